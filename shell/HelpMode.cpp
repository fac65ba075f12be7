// SPDX-License-Identifier: GPL-3.0-or-later
// Help mode (a click on a working control explains it), the web commands and the
// about box.

#include "editor/ReactionWidgets.h"
#include "grid/PropertyGrid.h"
#include "shell/AboutU.h"
#include "shell/MainU.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

namespace
{
// Where the web commands lead: the project's site (a folder address ending in "/") and
// its mail address. Distributors set these to their own.
const char* const SiteAddress = "https://www.example.org/stoikon/";
const char* const MailAddress = "stoikon@example.org";
} // namespace

void TSTMainForm::HelpHelpExecute()
{
    HelpMode = true;
    for (QWidget* w : {static_cast<QWidget*>(CalGrid), Grid->viewport(), static_cast<QWidget*>(TextImg),
                       static_cast<QWidget*>(WeightBtn)})
        w->setCursor(Qt::WhatsThisCursor);
    statusBar()->showMessage(Texts::HelpModePrompt.In(InterfaceLanguage));
}

void TSTMainForm::EndHelpMode(bool gridTopic)
{
    HelpMode = false;
    TextImg->setCursor(Qt::IBeamCursor);
    for (QWidget* w : {static_cast<QWidget*>(CalGrid), Grid->viewport(), static_cast<QWidget*>(WeightBtn)})
        w->unsetCursor();
    statusBar()->clearMessage();
    Message(gridTopic ? Texts::MsgGridHelp : Texts::MsgReactionHelp, MsgKind::Information, mbOK);
}

namespace
{
void OpenTarget(TSTMainForm* form, const QString& target)
{
    if (form->UrlOpener)
        form->UrlOpener(target);
    else
        QDesktopServices::openUrl(QUrl(target)); // a failure is not reported
}
} // namespace

void TSTMainForm::HelpWebsiteExecute() { OpenTarget(this, QString::fromLatin1(SiteAddress)); }

void TSTMainForm::HelpSourceExecute() { OpenTarget(this, QString::fromLatin1(SiteAddress) + "st.html"); }

void TSTMainForm::HelpOnlineExecute() { OpenTarget(this, QString::fromLatin1(SiteAddress) + "sthlp.html"); }

void TSTMainForm::HelpMailExecute() { OpenTarget(this, QStringLiteral("mailto:") + QString::fromLatin1(MailAddress)); }

void TSTMainForm::HelpAboutExecute()
{
    if (AboutForm)
        AboutForm->exec();
}
