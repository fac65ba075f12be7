// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/LanguageSwitch.h"

#include "model/DocumentModel.h"

#include <QAction>
#include <QWidget>

LanguageSwitch::LanguageSwitch(DocumentModel* document, QWidget* window)
    : QObject(window), Document(document), Window(window)
{
    connect(Document, &DocumentModel::languageChanged, this, &LanguageSwitch::follow);
}

void LanguageSwitch::addCommand(Language lang, QAction* command)
{
    Commands.emplace_back(lang, command);
}

void LanguageSwitch::switchTo(Language lang)
{
    Document->setLanguage(lang);
}

void LanguageSwitch::follow(Language lang)
{
    Window->setLayoutDirection(LanguageRowOf(lang).RightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    for (const auto& [commandLanguage, command] : Commands)
        command->setVisible(commandLanguage != lang);
}
