// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The about box: the program's icon, name, version and rights notice, and a small picture
// that opens the web site. It lives from start-up to exit and follows the language
// switch while hidden too.

#include "texts/Language.h"

#include <QDialog>
#include <QLabel>

#include <vector>

class DocumentModel;

// The web-link picture: a click on it is reported as a signal.
class SiteLink : public QLabel
{
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool Pressed = false;
};

class AboutDialog : public QDialog
{
    Q_OBJECT

  public:
    AboutDialog(DocumentModel* document, QWidget* parent);

    QLabel* icon = nullptr;
    QLabel* title = nullptr;
    QLabel* version = nullptr;
    QLabel* notice = nullptr;
    SiteLink* siteLink = nullptr;

  signals:
    void siteClicked(); // opens the web site exactly as Visit Website does

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void retranslate(Language lang); // as the document's language changes
    void placeParts();

    DocumentModel* Document; // its program font is the box's font
};
