// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/MainWindow.h"

#include "document/Paths.h"
#include "grid/GridItems.h"
#include "model/DocumentModel.h"
#include "model/FilePath.h"
#include "model/GridModel.h"
#include "render/DrawnExports.h"
#include "render/FontConvert.h"
#include "texts/Messages.h"
#include "texts/Texts.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/Hints.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/grid/GridView.h"
#include "ui/mainwindow/CommandFunctions.h"
#include "ui/mainwindow/HelpMode.h"
#include "ui/mainwindow/LanguageSwitch.h"
#include "ui/mainwindow/StatusBar.h"
#include "ui/menu/MenuMetrics.h"
#include "ui/menu/MenuStyle.h"
#include "ui/reactionline/ReactionLine.h"
#include "ui/reactionline/ReactionLineAccessible.h"
#include "undo/DocumentHistory.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include <iterator>

namespace {
// Places a child by its left-to-right coordinates, mirrored in a right-to-left window.
void Place(QWidget* child, int x, int y, int w, int h)
{
    QWidget* parent = child->parentWidget();
    child->setGeometry(QStyle::visualRect(parent->layoutDirection(), parent->rect(), QRect(x, y, w, h)));
}

// A label's text as the name of what it labels: without its closing colon.
QString AccessibleName(QString label)
{
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label;
}

template <typename Widget> Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
} // namespace

MainWindow::MainWindow(const QString& commandLineFile)
    : Document(new DocumentModel(this)), Desktop(Document, this), UserSettings(Settings::load()),
      CommandLineFile(commandLineFile)
{
    // The pictures are compiled into a static library; make sure the linker keeps them.
    Q_INIT_RESOURCE(stoikon);
    RegisterDrawnExports(); // the File menu's picture, handout and SVG exports
    setObjectName("mainWindow");
    setWindowTitle(QStringLiteral("Stoikon[*]"));
    setWindowIcon(QIcon(QStringLiteral(":/appicon/48.png")));
    setMinimumSize(580, 350);

    // The language first: the window re-captions itself after the switch has mirrored it, and
    // every part made later after the window.
    Parts.Window = this;
    Parts.UserSettings = &UserSettings;
    Parts.Languages = new LanguageSwitch(Document, this);
    Parts.History = new DocumentHistory(Document, this);
    connect(Document, &DocumentModel::languageChanged, this, &MainWindow::retranslate);
    createCommands();
    createPanels();
    Parts.Status = Named(new StatusBar(Document, this), "statusBar");
    setStatusBar(Parts.Status);
    Parts.Status->setSizeGripEnabled(true);
    createMenuStyle();
    connectDocument();
    applyFonts();
    placeWindow();
    Widgets.reactionLine->draw();
    Parts.Help = new HelpMode(Desktop, Parts.Status, this);
    for (QWidget* control :
         {static_cast<QWidget*>(Widgets.reactionLine), static_cast<QWidget*>(Widgets.balanceButton),
          static_cast<QWidget*>(Widgets.calculateButton)})
        Parts.Help->addControl(control);
    Parts.Help->addGrid(Widgets.grid);
    createDialogs();
}

MainWindow::~MainWindow() = default;

CommandContext MainWindow::context()
{
    return {*Document, *Widgets.reactionLine, *Widgets.grid, Desktop, Parts};
}

QAction* MainWindow::commandAction(const char* id) const
{
    return Commands.value(QString::fromLatin1(id));
}

void MainWindow::createCommands()
{
    QMenuBar* bar = menuBar();
    Menus.file = Named(bar->addMenu(QString()), "fileMenu");
    Menus.edit = Named(bar->addMenu(QString()), "editMenu");
    Menus.reaction = Named(bar->addMenu(QString()), "reactionMenu");
    Menus.settings = Named(bar->addMenu(QString()), "settingsMenu");
    Menus.help = Named(bar->addMenu(QString()), "helpMenu");
    QMenu* const menus[] = {Menus.file, Menus.edit, Menus.reaction, Menus.settings, Menus.help};
    auto* toolBar = Named(addToolBar(QStringLiteral("ToolBar")), "toolBar");
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(24, 24));
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);

    std::vector<std::pair<int, QAction*>> toolButtons;
    int lastGroup[std::size(menus)] = {};
    for (const CommandRow& row : CommandRows()) {
        auto* action = Named(new QAction(this), row.Id);
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(row.Key)));
        if (*row.Icon) {
            QIcon icon;
            icon.addFile(QStringLiteral(":/icons/%1.png").arg(QLatin1String(row.Icon)), QSize(24, 24));
            action->setIcon(icon);
        }
        action->setIconVisibleInMenu(true);
        action->setCheckable(row.Checkable);
        connect(action, &QAction::triggered, this, [this, run = row.Run] {
            Widgets.grid->finishEdit(); // a command works on the cell text as typed
            run(context());
            Widgets.reactionLine->forgetPressedKeys();
        });
        Commands.insert(action->objectName(), action);
        Captions.insert(action, {row.Caption, row.Hint});
        QMenu* menu = menus[int(row.InMenu)];
        int& group = lastGroup[int(row.InMenu)];
        if (group != 0 && group != row.Group)
            menu->addSeparator();
        group = row.Group;
        menu->addAction(action);
        if (row.ToolBarPlace > 0)
            toolButtons.emplace_back(row.ToolBarPlace, action);
        // Keys work wherever the focus is in the window.
        if (*row.Key)
            addAction(action);
    }
    std::sort(toolButtons.begin(), toolButtons.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < toolButtons.size(); ++i) {
        if (i > 0 && toolButtons[i].first / 10 != toolButtons[i - 1].first / 10)
            toolBar->addSeparator();
        toolBar->addAction(toolButtons[i].second);
        if (QWidget* button = toolBar->widgetForAction(toolButtons[i].second))
            button->setFixedSize(31, 30);
    }
    Parts.PreciseWeights = commandAction("preciseWeights");
    Parts.PreciseWeights->setChecked(UserSettings.PreciseWeights.value_or(true));
    Document->setSignificantFigures(UserSettings.SignificantFigures);
    Parts.StudentsSheet = commandAction("studentsSheet");
    Parts.StudentsSheet->setChecked(UserSettings.StudentsSheet.value_or(false));
    connect(Parts.History, &DocumentHistory::changed, this, &MainWindow::showUndoSteps);
    for (const LanguageRow& language : Languages())
        Parts.Languages->addCommand(language.Id, commandAction(language.SwitchId));
}

void MainWindow::createPanels()
{
    auto* central = Named(new QWidget(this), "central");
    setCentralWidget(central);
    central->installEventFilter(this);

    Widgets.reactionPanel = Named(new QWidget(central), "reactionPanel");
    Widgets.reactionLabel = Named(new QLabel(Widgets.reactionPanel), "reactionLabel");
    ReactionLineAccessible::InstallFactory(); // screen readers hear the line as a text
    Widgets.reactionLine = Named(new ReactionLine(Document, Widgets.reactionPanel), "reactionLine");
    Widgets.reactionLine->resize(670, Widgets.reactionLine->height());
    Widgets.reactionLine->installEventFilter(this);
    Widgets.reactionLine->setKeyOptions(UserSettings.Keys);
    Widgets.balanceButton = Named(new QPushButton(Widgets.reactionPanel), "balanceButton");

    Widgets.gridPanel = Named(new QWidget(central), "gridPanel");
    Widgets.gridLabel = Named(new QLabel(Widgets.gridPanel), "gridLabel");
    Widgets.grid = Named(new GridView(Widgets.gridPanel), "grid");
    Widgets.grid->setGridModel(Document->grid());
    Widgets.calculateButton = Named(new QPushButton(Widgets.gridPanel), "calculateButton");
}

void MainWindow::createMenuStyle()
{
    // The painter's defaults but for the selection colours (light blue with a blue outline,
    // the caption keeping the menu-text colour) and its font.
    Painter = Named(new MenuStyle(this), "menuStyle");
    Painter->SelectedBackColor = MenuMetrics::SelectedBackColor;
    Painter->SelectedBorderColor = MenuMetrics::SelectedBorderColor;
    Painter->SelectedTextColor = SystemColor(7);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    Painter->setMenuFont(font);
    // The first item of a menu sets the menu's least width; the Edit menu's items name their
    // steps and take the width they need.
    for (QMenu* menu : {Menus.file, Menus.reaction, Menus.settings, Menus.help})
        Painter->setMeasureItem(
            menu->actions().front(),
            [wide = menu == Menus.file](QAction*, int& width, int&) { width = wide ? 200 : 100; });
}

void MainWindow::createDialogs()
{
    Parts.About = new AboutDialog(Document, this);
    Parts.Options = new OptionsDialog(Document, this);
    Parts.KeyOptions = new KeyOptionsDialog(Document, this);
    connect(Parts.About, &AboutDialog::siteClicked, commandAction("website"), &QAction::trigger);
    // The dialog shows the line's keys, and every edit in it is in force at once.
    Parts.KeyOptions->setKeys(UserSettings.Keys);
    connect(Parts.KeyOptions, &KeyOptionsDialog::keysChanged, this, [this](const KeyOptions& keys) {
        UserSettings.Keys = keys;
        Widgets.reactionLine->setKeyOptions(keys);
    });
    connect(Parts.Options, &OptionsDialog::settingsApplied, Widgets.grid, &GridView::setDefaultRowHeight);
    connect(Parts.Options, &OptionsDialog::redrawRequested, Widgets.reactionLine, &ReactionLine::draw);
    connect(Parts.Options, &OptionsPages::separatorDropped, this,
            [this] { Parts.Status->showNotice(Texts::MsgSeparatorDropped); });
    // Default's file is written once the dialog has closed, however it was shown.
    connect(Parts.Options, &QDialog::finished, this, [this](int result) {
        if (result == OptionsDialog::DefaultResult) {
            WriteDefaults(context()); // a failure is silent
        }
    });
}

void MainWindow::connectDocument()
{
    const auto balance = [this] {
        if (Parts.Help->explain(HelpMode::Topic::Reaction))
            return;
        Balance(context());
    };
    connect(Widgets.balanceButton, &QPushButton::clicked, this, balance);
    connect(Widgets.reactionLine, &ReactionLine::balanceRequested, this, balance);
    connect(Widgets.reactionLine, &ReactionLine::pasteRefused, this, [this](const QString& name) {
        Parts.Status->showNotice(
            [name = name.toStdString()](Language lang) { return UnknownNameNote(name, lang); });
    });
    connect(Widgets.reactionLine, &ReactionLine::helpRequested, this,
            [this] { Parts.Help->explain(HelpMode::Topic::Reaction); });
    connect(Widgets.calculateButton, &QPushButton::clicked, this, [this] {
        if (Parts.Help->explain(HelpMode::Topic::Grid))
            return;
        CalculateGrid(context());
    });
    connect(Widgets.grid, &GridView::cellTextEdited, this,
            [this](int column, int, const QString& text) { warnAboutCell(column, text); });
    connect(Widgets.grid, &GridView::separatorDropped, this,
            [this] { Parts.Status->showNotice(Texts::MsgSeparatorDropped); });
    connect(Document, &DocumentModel::fontsChanged, this, &MainWindow::applyFonts);
    connect(Document, &DocumentModel::fileNameChanged, this, &MainWindow::showCaption);
    connect(Document, &DocumentModel::modificationChanged, this, &QWidget::setWindowModified);
}

void MainWindow::layOut()
{
    // The labels are as high as their text; the reaction line as high as its own.
    for (QLabel* label : {Widgets.reactionLabel, Widgets.gridLabel})
        label->resize(label->width(), label->sizeHint().height());
    const int width = centralWidget()->width();
    const int lineTop = Widgets.reactionLabel->height() + 11;
    const int panelHeight = std::max(68, lineTop + Widgets.reactionLine->height() + 11);
    Widgets.reactionPanel->setGeometry(0, 0, width, panelHeight);
    Place(Widgets.reactionLabel, 8, 8, std::max(width - 102, 1), Widgets.reactionLabel->height());
    Place(Widgets.reactionLine, 8, lineTop, std::max(width - 102, 1), Widgets.reactionLine->height());
    Place(Widgets.balanceButton, width - 87, 24, 73, 25);

    const int gridHeight = std::max(centralWidget()->height() - panelHeight, 0);
    Widgets.gridPanel->setGeometry(0, panelHeight, width, gridHeight);
    const int gridTop = Widgets.gridLabel->height() + 11;
    Place(Widgets.gridLabel, 8, 8, std::max(width - 22, 1), Widgets.gridLabel->height());
    Place(Widgets.calculateButton, width - 119, gridHeight - 34, 105, 25);
    Place(Widgets.grid, 8, gridTop, std::max(width - 22, 1), std::max(gridHeight - 34 - gridTop - 8, 1));
}

void MainWindow::applyFonts()
{
    // The line takes its fonts for its next drawing: after the options dialog that is once
    // the dialog has gone.
    Widgets.reactionLine->setFonts(Document->fonts());
    setFont(Desktop.programFont());
    Widgets.grid->setFont(ToQFont(Document->fonts().GridFont));
    Painter->setMenuFont(Desktop.programFont());
    layOut();
}

void MainWindow::retranslate()
{
    const Language lang = Document->language();
    Menus.file->setTitle(QString::fromUtf8(Texts::FileMenu.In(lang)));
    Menus.edit->setTitle(QString::fromUtf8(Texts::EditMenu.In(lang)));
    Menus.reaction->setTitle(QString::fromUtf8(Texts::ReactionMenu.In(lang)));
    Menus.settings->setTitle(QString::fromUtf8(Texts::SettingsMenu.In(lang)));
    Menus.help->setTitle(QString::fromUtf8(Texts::HelpMenu.In(lang)));
    for (auto it = Captions.cbegin(); it != Captions.cend(); ++it) {
        it.key()->setText(QString::fromUtf8(it.value().first.In(lang)));
        SetHint(it.key(), QString::fromUtf8(it.value().second.In(lang)));
    }
    showCaption();
    Widgets.reactionLabel->setText(QString::fromUtf8(Texts::ReactionLabel.In(lang)));
    Widgets.gridLabel->setText(QString::fromUtf8(Texts::GridLabel.In(lang)));
    Widgets.balanceButton->setText(QString::fromUtf8(Texts::BalanceButton.In(lang)));
    Widgets.calculateButton->setText(QString::fromUtf8(Texts::CalculateButton.In(lang)));
    SetHint(Widgets.calculateButton, QString::fromUtf8(Texts::CalculateButtonHint.In(lang)));
    SetHint(Widgets.reactionLine, QString::fromUtf8(Texts::ReactionLineHint.In(lang)));
    // Screen readers name the painted line and grid by the labels shown above them.
    Widgets.reactionLine->setAccessibleName(AccessibleName(Widgets.reactionLabel->text()));
    Widgets.grid->setAccessibleName(AccessibleName(Widgets.gridLabel->text()));
    showUndoSteps();
    layOut();
}

void MainWindow::showCaption()
{
    setWindowTitle(WindowTitle(context()));
}

void MainWindow::showUndoSteps()
{
    // "Undo Balance": the items name the step they take back or make again.
    const Language lang = Document->language();
    const auto show = [lang](QAction* action, const LocalText* step, const LocalText& bare,
                             const LocalText& named) {
        action->setEnabled(step != nullptr);
        action->setText(step ? QString::fromUtf8(named.In(lang)).arg(QString::fromUtf8(step->In(lang)))
                             : QString::fromUtf8(bare.In(lang)));
    };
    show(commandAction("undo"), Parts.History->undoName(), Texts::UndoCaption, Texts::UndoStepCaption);
    show(commandAction("redo"), Parts.History->redoName(), Texts::RedoCaption, Texts::RedoStepCaption);
}

void MainWindow::warnAboutCell(int column, const QString& text)
{
    if (text.isEmpty() || CellTextConverts(Document->grid()->typeCodeOf(column), text.toStdString()))
        return;
    // The warning leaves the text as typed, in the editor, which stays open for the user to
    // go on typing. It is shown once the editor has finished handling the keystroke.
    QTimer::singleShot(0, this, [this] {
        Widgets.grid->warnWhileEditing(
            [this] { Desktop.message(Texts::MsgInvalidNumber, MessageKind::Error, ButtonOk); });
    });
}

void MainWindow::startUp()
{
    if (Started)
        return;
    Started = true;
    Parts.Languages->switchTo(UserSettings.Lang.value_or(LocaleLanguage()));
    StartNewDocument(context());
    if (const std::string file = PathBytes(CommandLineFile); !file.empty() && IsRegularFile(file))
        OpenFile(context(), PathFromBytes(AbsolutePath(file)));
    menuBar()->update();
}

void MainWindow::useWeights(AtomicWeights weights)
{
    commandAction("preciseWeights")->setChecked(weights == AtomicWeights::Precise);
}

bool MainWindow::event(QEvent* event)
{
    // In help mode the status bar keeps its prompt instead of showing hints.
    if (event->type() == QEvent::StatusTip && Parts.Help && Parts.Help->isOn())
        return true;
    if (event->type() == QEvent::WindowActivate && !Started)
        startUp();
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (Started)
        return;
    fitFrameToStoredBounds();
    // A window that starts minimised is never activated; start-up must run anyway.
    QTimer::singleShot(0, this, &MainWindow::startUp);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Widgets.grid->finishEdit();
    if (!MaybeSave(context())) {
        event->ignore();
        return;
    }
    keepPlacement();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The panels follow the window's size and the line's height (its reaction font).
    if (event->type() == QEvent::Resize &&
        (watched == centralWidget() ||
         (watched == Widgets.reactionLine &&
          static_cast<QResizeEvent*>(event)->oldSize().height() != Widgets.reactionLine->height())))
        layOut();
    return QMainWindow::eventFilter(watched, event);
}
