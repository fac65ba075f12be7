// SPDX-License-Identifier: GPL-3.0-or-later
// What all of the window's handlers share: its layout, its fonts, its caption, the message
// box and the file dialogs. It calls into none of them.

#include "ui/mainwindow/MainWindow.h"

#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "render/FontConvert.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/grid/GridView.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/menu/MenuStyle.h"
#include "ui/reactionline/ReactionLine.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace {
// Places a child by its left-to-right coordinates, mirrored in a right-to-left window.
void Place(QWidget* child, int x, int y, int w, int h)
{
    QWidget* parent = child->parentWidget();
    child->setGeometry(QStyle::visualRect(parent->layoutDirection(), parent->rect(), QRect(x, y, w, h)));
}
} // namespace

void TSTMainForm::LayoutMainWindow()
{
    // The labels are as high as their text; the reaction line as high as its own.
    for (QLabel* label : {Lbl1, Lbl2})
        label->resize(label->width(), label->sizeHint().height());
    QWidget* central = centralWidget();
    const int width = central->width();
    const int imgTop = Lbl1->height() + 11;
    const int panelHeight = std::max(68, imgTop + TextImg->height() + 11);
    TextPanel->setGeometry(0, 0, width, panelHeight);
    Place(Lbl1, 8, 8, std::max(width - 102, 1), Lbl1->height());
    Place(TextImg, 8, imgTop, std::max(width - 102, 1), TextImg->height());
    Place(WeightBtn, width - 87, 24, 73, 25);

    const int panelH = std::max(central->height() - panelHeight, 0);
    Panel->setGeometry(0, panelHeight, width, panelH);
    const int gridTop = Lbl2->height() + 11;
    Place(Lbl2, 8, 8, std::max(width - 22, 1), Lbl2->height());
    Place(CalGrid, width - 119, panelH - 34, 105, 25);
    Place(Grid, 8, gridTop, std::max(width - 22, 1), std::max(panelH - 34 - gridTop - 8, 1));
}

QFont TSTMainForm::ProgramQFont() const
{
    return ToQFont(Doc->fonts().ProgramFont);
}

void TSTMainForm::ApplyFonts()
{
    // The line takes its fonts for its next drawing: after the options dialog that is once
    // the dialog has gone.
    TextImg->setFonts(Doc->fonts());
    setFont(ProgramQFont());
    Grid->setFont(ToQFont(Doc->fonts().GridFont));
    VelkMenu->SetFont(ProgramQFont());
    LayoutMainWindow();
}

int TSTMainForm::Message(const LocalText& text, MsgKind kind, int buttons)
{
    return Message(text.In(Doc->language()), kind, buttons);
}

int TSTMainForm::Message(const QString& text, MsgKind kind, int buttons)
{
    return ShowMessageBox({text, kind, buttons, Doc->language()}, ProgramQFont(), this);
}

QString TSTMainForm::AskFileName(FileDialogKind kind, const QString& title, const QString& filter)
{
    if (FileDialogHook)
        return FileDialogHook(kind, title, filter);
    // The program asks about overwriting itself, after adding the extension.
    const QFileDialog::Options options = QFileDialog::DontConfirmOverwrite;
    if (kind == FileDialogKind::Open)
        return QFileDialog::getOpenFileName(this, title, QString(), filter, nullptr, options);
    return QFileDialog::getSaveFileName(this, title, QString(), filter, nullptr, options);
}

void TSTMainForm::SetCaption()
{
    setWindowTitle(Doc->caption());
}
