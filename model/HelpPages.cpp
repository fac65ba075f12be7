// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/HelpPages.h"

#include "document/Paths.h"
#include "generated/Version.h"
#include "generated/WebAddresses.h"
#include "model/FilePath.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString UserGuidePath(Language lang)
{
    const QString name =
        lang == Language::Farsi ? QStringLiteral("user-guide-fa.html") : QStringLiteral("user-guide.html");
    const QDir program(PathFromBytes(ProgramFolder()));
    const QString installed =
        QDir::cleanPath(program.filePath(QString::fromUtf8(DocFolderFromProgram) + '/' + name));
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
