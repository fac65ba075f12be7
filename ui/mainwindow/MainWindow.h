// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: it composes the reaction line, the grid, the menus and the tool bar
// around the open document, lays them out (mirrored in a right-to-left language) and runs
// the commands (Commands.cpp) on them. The document's state is the document's
// (model/DocumentModel); the window keeps only what is its own: its parts, its placement and
// the user settings.
//
// Data flow of one piece of work:
//   keys -> reaction line (key sets, TidyReaction, DrawReaction) -> the document's reaction
//   Balance -> document: BalanceReaction (core: tidy, parse, solve, scale, compose)
//           -> grid rows filled, reaction with coefficients -> the line draws it
//   Calculate Grid -> document: CalculateGrid on its cells -> empty cells filled, marked
//   New/Open/Save -> document <-> .KVX file; the exports read the document

#include "core/PreciseWeights.h"
#include "model/Settings.h"
#include "ui/mainwindow/Commands.h"
#include "ui/mainwindow/DesktopServices.h"
#include "ui/mainwindow/WindowParts.h"

#include <QHash>
#include <QMainWindow>
#include <QRect>
#include <QString>

class AboutDialog;
class DocumentModel;
class GridView;
class HelpMode;
class KeyOptionsDialog;
class LanguageSwitch;
class MenuStyle;
class OptionsDialog;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class ReactionLine;

class MainWindow : public QMainWindow
{
    Q_OBJECT

  public:
    // commandLineFile is opened once the window is first activated.
    explicit MainWindow(const QString& commandLineFile = QString());
    ~MainWindow() override;

    DocumentModel* document() const { return Document; }
    DesktopServices& desktop() { return Desktop; }
    CommandContext context();
    QAction* commandAction(const char* id) const; // the action of the command row id
    HelpMode& helpMode() const { return *Parts.Help; }
    LanguageSwitch& languageSwitch() const { return *Parts.Languages; }

    // The first activation: the language of the last run, a new document, the command line's
    // file. Later activations start nothing.
    void startUp();
    // --precise or --two-decimal-weights: the weights for this run, the stored setting left
    // as it was.
    void useWeights(AtomicWeights weights);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void createCommands();
    void createPanels();
    void createMenuStyle();
    void createDialogs();
    void connectDocument();
    void layOut();        // the panels' children for the current size and direction
    void applyFonts();    // window, line, grid and menu fonts from the document's
    void retranslate();   // every text of the window in the document's language
    void showCaption();   // "Stoikon - " and the name, or "Stoikon - Untitled", and the modified mark
    void showUndoSteps(); // the Edit menu's items name their steps
    void warnAboutCell(int column, const QString& text); // a number being typed that does not convert
    // The placement (WindowPlacement.cpp): the stored bounds and state, the frame fitted to
    // them once the window manager has framed the window, and the bounds to store at exit.
    void placeWindow();
    void fitFrameToStoredBounds();
    void keepPlacement();

    DocumentModel* Document;
    DesktopServices Desktop;
    Settings UserSettings;
    QHash<QString, QAction*> Commands;
    QHash<QAction*, std::pair<LocalText, LocalText>> Captions; // caption and hint
    struct
    {
        QMenu* file = nullptr;
        QMenu* edit = nullptr;
        QMenu* reaction = nullptr;
        QMenu* settings = nullptr;
        QMenu* help = nullptr;
    } Menus;
    struct
    {
        QWidget* reactionPanel = nullptr;
        QLabel* reactionLabel = nullptr;
        ReactionLine* reactionLine = nullptr;
        QPushButton* balanceButton = nullptr;
        QWidget* gridPanel = nullptr;
        QLabel* gridLabel = nullptr;
        GridView* grid = nullptr;
        QPushButton* calculateButton = nullptr;
    } Widgets;
    WindowParts Parts;
    MenuStyle* Painter = nullptr;

    bool Started = false;
    QRect StoredBounds; // the frame's bounds read at start-up
    QString CommandLineFile;
};
