// SPDX-License-Identifier: GPL-3.0-or-later
// Help mode (the next click on a working control explains it instead of acting), the web
// commands and the about box.

#include "document/DocumentModel.h"
#include "editor/ReactionLine.h"
#include "grid/PropertyGrid.h"
#include "shell/AboutU.h"
#include "shell/HelpPages.h"
#include "shell/InterfaceTexts.h"
#include "shell/MainU.h"

#include <QDesktopServices>
#include <QFileInfo>
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
    // A guide left out of the installation, or no program to open the address with (the
    // desktop's opener comes with xdg-utils), is said instead of passing in silence.
    const QUrl url(target);
    const auto openOnDesktop = [&url] {
        return (!url.isLocalFile() || QFileInfo::exists(url.toLocalFile())) && QDesktopServices::openUrl(url);
    };
    if (!(UrlOpener ? UrlOpener(target) : openOnDesktop()))
        Message(QString::fromUtf8(Texts::MsgCannotOpenAddress.In(Doc->language())) + '\r' +
                    (url.isLocalFile() ? url.toLocalFile() : target),
                MsgKind::Error, mbOK);
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
    OpenTarget(HelpPageAddress(HelpPage::Website, Doc->language()));
}

void TSTMainForm::HelpSourceExecute()
{
    OpenTarget(HelpPageAddress(HelpPage::SourceCode, Doc->language()));
}

void TSTMainForm::HelpOnlineExecute()
{
    OpenTarget(HelpPageAddress(HelpPage::OnlineHelp, Doc->language()));
}

void TSTMainForm::HelpMailExecute()
{
    OpenTarget(HelpPageAddress(HelpPage::Feedback, Doc->language()));
}

void TSTMainForm::HelpAboutExecute()
{
    if (AboutForm)
        AboutForm->exec();
}
