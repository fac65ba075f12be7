// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainU.h"

#include "core/ReactionText.h"
#include "dialogs/OpsU.h"
#include "document/DocumentModel.h"
#include "editor/FontConvert.h"
#include "editor/KOU.h"
#include "editor/ReactionWidgets.h"
#include "grid/GridModel.h"
#include "grid/PropertyGrid.h"
#include "shell/AboutU.h"
#include "shell/VelkMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSizeGrip>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOption>
#include <QTimer>
#include <QToolBar>

namespace {
// The status bar's message starts at the reading side: the right edge in Farsi. (Qt's own
// status bar keeps it at the left whatever the direction.)
class TStatusBar : public QStatusBar
{
  public:
    explicit TStatusBar(QWidget* parent) : QStatusBar(parent)
    {
        // Qt repaints only where it would have put the message itself.
        connect(this, &QStatusBar::messageChanged, this, [this] { update(); });
    }

  protected:
    void changeEvent(QEvent* event) override
    {
        QStatusBar::changeEvent(event);
        // The size grip moves to the other corner only when it is made again.
        if (event->type() == QEvent::LayoutDirectionChange && isSizeGripEnabled()) {
            setSizeGripEnabled(false);
            setSizeGripEnabled(true);
        }
    }

    void paintEvent(QPaintEvent* event) override
    {
        const QString message = currentMessage();
        if (message.isEmpty()) {
            QStatusBar::paintEvent(event);
            return;
        }
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_PanelStatusBar, &option, &painter, this);
        QRect area = rect().adjusted(6, 0, -6, 0);
        // Keep clear of the size grip, wherever the last layout put it.
        if (const QSizeGrip* grip = findChild<QSizeGrip*>(); grip && grip->isVisible()) {
            if (grip->geometry().center().x() < width() / 2)
                area.setLeft(grip->geometry().right() + 1);
            else
                area.setRight(grip->geometry().left() - 1);
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area,
                         int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)) |
                             Qt::TextSingleLine,
                         message);
    }
};
} // namespace

TSTMainForm::TSTMainForm(QWidget* parent) : QMainWindow(parent), Doc(new DocumentModel(this))
{
    setObjectName("STMainForm");
    setWindowTitle(QStringLiteral("Stoikon"));
    setWindowIcon(QIcon(QStringLiteral(":/appicon/48.png")));
    resize(780, 551);
    move(10, 9);
    setMinimumSize(580, 350);

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePanels();
    setStatusBar(new TStatusBar(this));
    statusBar()->setObjectName("StatusBar");
    statusBar()->setSizeGripEnabled(true);
    VelkMenu = CreateMainWindowMenu(this);

    // The reaction-line fonts exist from here until the window closes.
    FontsExist = true;
    ApplyFonts();
    CaretPos = 0;
    FirstVisible = 0;

    // The window follows the document whoever changes it.
    connect(Doc, &DocumentModel::reactionTextChanged, this, &TSTMainForm::ShowDocumentText);
    connect(Doc, &DocumentModel::fontsChanged, this, &TSTMainForm::ApplyFonts);
    connect(Doc, &DocumentModel::fileNameChanged, this, &TSTMainForm::SetCaption);
    connect(Doc, &DocumentModel::languageChanged, this, &TSTMainForm::Recaption);

    ReadWindowSettings();
    DrawReaction();
    FirstActivationDone = false;
    InstallHelpMode();
}

TSTMainForm::~TSTMainForm() = default;

void TSTMainForm::AttachDialogs(TAboutForm* about, TOpsForm* ops, TKOForm* keys)
{
    AboutForm = about;
    OpsForm = ops;
    KOForm = keys;
    if (!ops)
        return;
    connect(ops, &TOpsForm::settingsApplied, Grid, &TPropertyGrid::SetDefaultRowHeight);
    connect(ops, &TOpsForm::redrawRequested, this, [this] { DrawReaction(); });
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
    TextImg = new TReactionImage(this, TextPanel);
    TextImg->setObjectName("TextImg");
    WeightBtn = new QPushButton(TextPanel);
    WeightBtn->setObjectName("WeightBtn");
    connect(WeightBtn, &QPushButton::clicked, this, &TSTMainForm::WeightBtnClick);
    TextBtn = new TKeyCatcher(this, TextPanel);
    TextBtn->setObjectName("TextBtn");
    TextBtn->setGeometry(-66, 48, 65, 21);

    Panel = new QWidget(central);
    Panel->setObjectName("Panel");
    Lbl2 = new QLabel(Panel);
    Lbl2->setObjectName("Lbl2");
    Grid = new TPropertyGrid(Panel);
    Grid->setObjectName("Grid");
    Grid->setGridModel(Doc->grid());
    connect(Grid, &TPropertyGrid::cellTextEdited, this, &TSTMainForm::GridSetEditText);
    connect(Grid, &QAbstractItemView::clicked, this, &TSTMainForm::GridClick);
    CalGrid = new QPushButton(Panel);
    CalGrid->setObjectName("CalGrid");
    connect(CalGrid, &QPushButton::clicked, this, &TSTMainForm::CalGridClick);

    for (QLabel* label : {Lbl1, Lbl2})
        label->resize(label->width(), label->fontMetrics().height());
    TextImg->resize(670, 33);

    BlinkTim = new QTimer(this);
    BlinkTim->setObjectName("BlinkTim");
    BlinkTim->setInterval(500);
    connect(BlinkTim, &QTimer::timeout, this, &TSTMainForm::BlinkTimTimer);
}

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
    setFont(ProgramQFont());
    Grid->setFont(ToQFont(Doc->fonts().GridFont));
    VelkMenu->SetFont(ProgramQFont());
}

void TSTMainForm::ShowDocumentText()
{
    if (ReactionText == Doc->reactionText())
        return;
    // Replaced from outside the line: the caret stays within the new text.
    ReactionText = Doc->reactionText();
    const int length = static_cast<int>(ReactionText.size());
    CaretPos = std::min(CaretPos, length);
    FirstVisible = std::min(FirstVisible, CaretPos);
    DrawReaction();
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
    if (!CommandLineFile.isEmpty() && QFileInfo(CommandLineFile).isFile())
        FileOpenAccept(QFileInfo(CommandLineFile).absoluteFilePath());
    menuBar()->update();
}

void TSTMainForm::closeEvent(QCloseEvent* event)
{
    if (!AskSaveChanges()) {
        event->ignore();
        return;
    }
    BlinkTim->stop();
    FontsExist = false; // a resize during teardown draws nothing
    WriteWindowSettings();
    event->accept();
}

bool TSTMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        LayoutMainWindow();
    return QMainWindow::eventFilter(watched, event);
}

void TSTMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (FontsExist)
        DrawReaction();
}
