// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texts/Language.h"

#include <QStatusBar>

#include <functional>
#include <string>

class DocumentModel;
class QLabel;

// The main window's status bar: its message starts at the reading side, the right edge in
// Farsi (Qt's own status bar keeps it at the left whatever the direction). After a language
// switch it says its notice again in the new language, or else the hint of what the pointer
// rests on, as the next move of the mouse would show it. At its far end it names the
// worksheet's limiting reactant while there is one.
class StatusBar : public QStatusBar
{
  public:
    StatusBar(DocumentModel* document, QWidget* parent);
    // A notice of a command: help mode's prompt, a grid too large to calculate.
    void showNotice(const LocalText& notice);
    // A notice with names in it, as the language asks for it: how Balance read lower case,
    // the name a paste was refused for.
    void showNotice(std::function<std::string(Language)> notice);

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void retranslate(Language lang);
    void showLimitingReactant();

    DocumentModel* Document;
    std::function<std::string(Language)> Notice;
    QString NoticeShown; // the notice as last shown, while it stands
    QLabel* LimitingReactant;
};
