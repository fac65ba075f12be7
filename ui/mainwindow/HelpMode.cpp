// SPDX-License-Identifier: GPL-3.0-or-later
// Help mode (the next click on a working control explains it instead of acting), the web
// commands and the about box.

#include "model/DocumentModel.h"
#include "texts/Texts.h"
#include "texts/WebAddresses.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/grid/GridView.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/reactionline/ReactionLine.h"

#include <QDesktopServices>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

namespace {
// The grid's surfaces that take clicks: the cells and the header row of item names.
std::vector<QWidget*> GridSurfaces(TPropertyGrid* grid)
{
    return {grid->viewport(), grid->horizontalHeader()->viewport()};
}

// While help mode is on, a click anywhere on the grid is the request for its help text:
// the press neither selects a cell nor starts an edit, and the release ends help mode.
class THelpModeGridFilter : public QObject
{
  public:
    explicit THelpModeGridFilter(TSTMainForm* form) : QObject(form), Form(form) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!Form->InHelpMode())
                return false;
            Pressed = true;
            return true;
        case QEvent::MouseMove:
            return Pressed;
        case QEvent::MouseButtonRelease: {
            if (!Pressed)
                return false;
            Pressed = false;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const auto* widget = static_cast<QWidget*>(watched);
            if (Form->InHelpMode() && widget->rect().contains(mouse->position().toPoint()))
                Form->GridClick();
            return true;
        }
        default:
            return false;
        }
    }

  private:
    TSTMainForm* Form;
    bool Pressed = false;
};

} // namespace

void TSTMainForm::OpenTarget(const QString& target)
{
    if (UrlOpener)
        UrlOpener(target);
    else
        QDesktopServices::openUrl(QUrl(target)); // a failure is not reported
}

void TSTMainForm::InstallHelpMode()
{
    auto* filter = new THelpModeGridFilter(this);
    for (QWidget* surface : GridSurfaces(Grid))
        surface->installEventFilter(filter);
}

void TSTMainForm::GridClick()
{
    // Outside help mode a click does nothing beyond the grid's own cell selection.
    if (HelpMode)
        EndHelpMode(true);
}

void TSTMainForm::HelpHelpExecute()
{
    HelpMode = true;
    TextImg->setHelpMode(true);
    std::vector<QWidget*> targets = {CalGrid, WeightBtn};
    for (QWidget* surface : GridSurfaces(Grid))
        targets.push_back(surface);
    for (QWidget* target : targets)
        target->setCursor(Qt::WhatsThisCursor);
    // The window's event() keeps hints out of the status bar while help mode is on.
    statusBar()->showMessage(Texts::HelpModePrompt.In(Doc->language()));
}

void TSTMainForm::EndHelpMode(bool gridTopic)
{
    HelpMode = false;
    TextImg->setHelpMode(false);
    CalGrid->unsetCursor();
    WeightBtn->unsetCursor();
    for (QWidget* surface : GridSurfaces(Grid))
        surface->unsetCursor();
    statusBar()->clearMessage();
    Message(gridTopic ? Texts::MsgGridHelp : Texts::MsgReactionHelp, MsgKind::Information, mbOK);
}

void TSTMainForm::HelpWebsiteExecute()
{
    OpenTarget(QString::fromLatin1(SiteAddress));
}

void TSTMainForm::HelpSourceExecute()
{
    OpenTarget(QString::fromLatin1(SiteAddress) + "st.html");
}

void TSTMainForm::HelpOnlineExecute()
{
    OpenTarget(QString::fromLatin1(SiteAddress) + "sthlp.html");
}

void TSTMainForm::HelpMailExecute()
{
    OpenTarget(QStringLiteral("mailto:") + QString::fromLatin1(MailAddress));
}

void TSTMainForm::HelpAboutExecute()
{
    if (AboutForm)
        AboutForm->exec();
}
