// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/HelpPages.h"

#include "document/DefaultsLocation.h"
#include "shell/WebAddresses.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifndef STOIKON_DOC_FROM_BIN
#define STOIKON_DOC_FROM_BIN "../share/doc/stoikon"
#endif

QString UserGuidePath(Language lang)
{
    const QString name =
        lang == Language::Farsi ? QStringLiteral("user-guide-fa.html") : QStringLiteral("user-guide.html");
    const QDir program(ProgramFolder());
    const QString installed =
        QDir::cleanPath(program.filePath(QStringLiteral(STOIKON_DOC_FROM_BIN) + '/' + name));
    const QString beside = program.filePath(name);
    return !QFileInfo::exists(installed) && QFileInfo::exists(beside) ? beside : installed;
}

QString HelpPageAddress(HelpPage page, Language lang)
{
    const QString site = QString::fromUtf8(SiteAddress);
    const QString mail = QString::fromUtf8(MailAddress);
    const QString guide = QUrl::fromLocalFile(UserGuidePath(lang)).toString();
    switch (page) {
    case HelpPage::Website:
        return site.isEmpty() ? guide : site;
    case HelpPage::SourceCode:
        return site.isEmpty() ? guide + QStringLiteral("#source") : site + QStringLiteral("st.html");
    case HelpPage::OnlineHelp:
        return site.isEmpty() ? guide : site + QStringLiteral("sthlp.html");
    case HelpPage::Feedback:
        return mail.isEmpty() ? guide + QStringLiteral("#feedback") : QStringLiteral("mailto:") + mail;
    }
    return guide;
}
