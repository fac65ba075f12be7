// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The interface language, which the document keeps. A switch mirrors the window for a
// right-to-left language and offers only the other language's command; every part of the
// window then re-captions itself, as the document tells the change.

#include "texts/Language.h"

#include <QObject>

#include <utility>
#include <vector>

class DocumentModel;
class QAction;
class QWidget;

class LanguageSwitch : public QObject
{
  public:
    LanguageSwitch(DocumentModel* document, QWidget* window);
    // The command that switches to lang: shown only in the other languages' interface.
    void addCommand(Language lang, QAction* command);
    // A change of the document, which keeps its language; the interface follows even when
    // the language stays the same (at start-up).
    void switchTo(Language lang);

  private:
    void follow(Language lang);

    DocumentModel* Document;
    QWidget* Window;
    std::vector<std::pair<Language, QAction*>> Commands;
};
