// SPDX-License-Identifier: GPL-3.0-or-later
// The window's start-up (FormCreate, FormActivate), its shutdown (FormClose) and the wiring
// of its parts to the document and the dialogs.

#include "dialogs/OpsU.h"
#include "document/DocumentModel.h"
#include "document/FilePath.h"
#include "editor/KOU.h"
#include "editor/ReactionLine.h"
#include "grid/GridModel.h"
#include "grid/PropertyGrid.h"
#include "shell/AboutU.h"
#include "shell/InterfaceTexts.h"
#include "shell/MainU.h"
#include "shell/StatusBar.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

TSTMainForm::TSTMainForm(QWidget* parent) : QMainWindow(parent), Doc(new DocumentModel(this))
{
    setObjectName("STMainForm");
    setWindowTitle(QStringLiteral("Stoikon"));
    setWindowIcon(QIcon(QStringLiteral(":/appicon/48.png")));
    setMinimumSize(580, 350);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePanels();
    setStatusBar(new TStatusBar(this));
    statusBar()->setObjectName("StatusBar");
    statusBar()->setSizeGripEnabled(true);
    CreateMenuPainter();
    ConnectDocument();
    ApplyFonts();

    ReadWindowSettings();
    TextImg->DrawReaction();
    FirstActivationDone = false;
    InstallHelpMode();
}

TSTMainForm::~TSTMainForm() = default;

void TSTMainForm::AttachDialogs(TAboutForm* about, TOpsForm* ops, TKOForm* keys)
{
    AboutForm = about;
    OpsForm = ops;
    KOForm = keys;
    if (about)
        connect(about, &TAboutForm::siteClicked, Actions.HelpWebsite, &QAction::trigger);
    if (keys) { // the dialog shows the line's keys, and every edit in it is in force at once
        keys->setKeys(TextImg->keyOptions());
        connect(keys, &TKOForm::keysChanged, TextImg, &ReactionLine::setKeyOptions);
    }
    if (!ops)
        return;
    connect(ops, &TOpsForm::settingsApplied, Grid, &TPropertyGrid::SetDefaultRowHeight);
    connect(ops, &TOpsForm::redrawRequested, TextImg, &ReactionLine::DrawReaction);
    connect(ops, &TOpsForm::separatorDropped, this, &TSTMainForm::SaySeparatorDropped);
    // Default's file is written once the dialog has closed, however it was shown.
    connect(ops, &QDialog::finished, this, [this](int result) {
        if (result == TOpsForm::DefaultResult)
            WriteDefaultsFile(); // a failure is silent
    });
}

void TSTMainForm::CreatePanels()
{
    auto* central = new QWidget(this);
    central->setObjectName("Central");
    setCentralWidget(central);
    central->installEventFilter(this);

    TextPanel = new QWidget(central);
    TextPanel->setObjectName("TextPanel");
    Lbl1 = new QLabel(TextPanel);
    Lbl1->setObjectName("Lbl1");
    TextImg = new ReactionLine(TextPanel);
    TextImg->setObjectName("TextImg");
    TextImg->resize(670, TextImg->height());
    TextImg->installEventFilter(this);
    WeightBtn = new QPushButton(TextPanel);
    WeightBtn->setObjectName("WeightBtn");
    connect(WeightBtn, &QPushButton::clicked, this, &TSTMainForm::WeightBtnClick);

    Panel = new QWidget(central);
    Panel->setObjectName("Panel");
    Lbl2 = new QLabel(Panel);
    Lbl2->setObjectName("Lbl2");
    Grid = new TPropertyGrid(Panel);
    Grid->setObjectName("Grid");
    Grid->setGridModel(Doc->grid());
    connect(Grid, &TPropertyGrid::cellTextEdited, this, &TSTMainForm::GridSetEditText);
    connect(Grid, &TPropertyGrid::separatorDropped, this, &TSTMainForm::SaySeparatorDropped);
    connect(Grid, &QAbstractItemView::clicked, this, &TSTMainForm::GridClick);
    CalGrid = new QPushButton(Panel);
    CalGrid->setObjectName("CalGrid");
    connect(CalGrid, &QPushButton::clicked, this, &TSTMainForm::CalGridClick);
}

void TSTMainForm::ConnectDocument()
{
    // The line edits the document's reaction; the document's own changes show in the line.
    connect(TextImg, &ReactionLine::textEdited, Doc, [this] { Doc->setReactionText(TextImg->text()); });
    connect(TextImg, &ReactionLine::edited, Doc, [this] { Doc->setModified(true); });
    connect(TextImg, &ReactionLine::balanceRequested, this, &TSTMainForm::WeightBtnClick);
    connect(TextImg, &ReactionLine::helpRequested, this, [this] { EndHelpMode(false); });
    connect(TextImg, &ReactionLine::pasteRefused, this, [this](const QString& name) {
        statusBar()->showMessage(
            QString::fromUtf8(Texts::UnknownName.In(Doc->language())).replace("%1", name));
    });
    connect(Doc, &DocumentModel::reactionTextChanged, TextImg,
            [this] { TextImg->setText(Doc->reactionText()); });
    connect(Doc, &DocumentModel::fontsChanged, this, &TSTMainForm::ApplyFonts);
    connect(Doc, &DocumentModel::fileNameChanged, this, &TSTMainForm::SetCaption);
    connect(Doc, &DocumentModel::languageChanged, this, &TSTMainForm::Recaption);
}

bool TSTMainForm::event(QEvent* event)
{
    // In help mode the status bar keeps its prompt instead of showing hints.
    if (event->type() == QEvent::StatusTip && HelpMode)
        return true;
    if (event->type() == QEvent::WindowActivate && !FirstActivationDone)
        FormActivate();
    return QMainWindow::event(event);
}

void TSTMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!FirstActivationDone)
        FitFrameToStoredBounds();
    // A window that starts minimised is never activated; start-up must run anyway.
    if (!FirstActivationDone)
        QTimer::singleShot(0, this, [this] {
            if (!FirstActivationDone)
                FormActivate();
        });
}

void TSTMainForm::FormActivate()
{
    if (FirstActivationDone)
        return;
    FirstActivationDone = true;
    if (StartupFarsi)
        SettingsFarsiExecute();
    else
        SettingsEnglishExecute();
    Doc->setModified(false);
    FileNewExecute();
    if (PathIsFile(CommandLineFile))
        FileOpenAccept(AbsolutePath(CommandLineFile));
    menuBar()->update();
}

void TSTMainForm::closeEvent(QCloseEvent* event)
{
    Grid->FinishEdit();
    if (!AskSaveChanges()) {
        event->ignore();
        return;
    }
    WriteWindowSettings();
    event->accept();
}

bool TSTMainForm::eventFilter(QObject* watched, QEvent* event)
{
    // The panels follow the window's size and the line's height (its reaction font).
    if (event->type() == QEvent::Resize &&
        (watched == centralWidget() ||
         (watched == TextImg && static_cast<QResizeEvent*>(event)->oldSize().height() != TextImg->height())))
        LayoutMainWindow();
    return QMainWindow::eventFilter(watched, event);
}
