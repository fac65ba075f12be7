// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: it composes the reaction line, the property grid, the menus and the tool
// bar around the open document, and wires them. The state is the document's
// (document/DocumentModel), the line's (editor/ReactionLine) and the grid view's; the window
// keeps only what belongs to itself: help mode and its start-up.
//
// Data flow of one piece of work:
//   keys -> reaction line (key sets, TidyReaction, DrawReaction) -> document's reaction text
//   Balance -> document: BalanceReaction (core: tidy, parse, solve, scale, compose)
//           -> grid rows filled, reaction with coefficients -> the line draws it
//   Calculate Grid -> document: CalculateGrid on the grid's text -> empty cells filled
//   New/Open/Save -> document <-> .KVX lines; the exports read the document
// The handlers keep the program's names (WeightBtnClick, FileSaveExecute, ...) as the entry
// points that menus, buttons and keys run.

#include "core/Balance.h"
#include "core/Language.h"
#include "core/PreciseWeights.h"
#include "dialogs/MessageBox.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class DocumentModel;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;
class ReactionLine;
class TAboutForm;
class TKOForm;
class TOpsForm;
class TPropertyGrid;
class TVelkMenu;

// Which file dialog a command asks for; tests replace the dialogs through a hook.
enum class FileDialogKind
{
    Open,
    SaveDocument,
    SaveHtml,
    SaveBitmap
};

class TSTMainForm : public QMainWindow
{
    Q_OBJECT

  public:
    explicit TSTMainForm(QWidget* parent = nullptr); // FormCreate
    ~TSTMainForm() override;

    // The three dialogs are created after the main window and live until exit.
    void AttachDialogs(TAboutForm* about, TOpsForm* ops, TKOForm* keys);
    void SetCommandLineFile(const QString& fileName) { CommandLineFile = fileName; }

    // The open document; the window shows it and its commands change it.
    DocumentModel* document() const { return Doc; }
    bool InHelpMode() const { return HelpMode; }
    QFont ProgramQFont() const;
    int Message(const LocalText& text, MsgKind kind, int buttons);
    int Message(const QString& text, MsgKind kind, int buttons);

    // Replaceable for tests: the file dialogs, the opening of web addresses, and the folder
    // of the defaults files (empty: the usual places).
    using FileDialog = std::function<QString(FileDialogKind, const QString& title, const QString& filter)>;
    void SetFileDialogHook(FileDialog hook) { FileDialogHook = std::move(hook); }
    void SetUrlOpener(std::function<bool(const QString& url)> opener) { UrlOpener = std::move(opener); }
    void SetDefaultsFolder(const QString& folder) { DefaultsFolder = folder; }
    // Where the records of worked-out cells of saved documents are kept (empty: the user's
    // data folder).
    void SetMarksFolder(const QString& folder) { MarksFolder = folder; }

    // ---- Start-up (shell/) ----
    void FormActivate(); // first activation: language, New, command-line file

    // ---- Language ----
    void SettingsEnglishExecute();
    void SettingsFarsiExecute();
    void ApplyLanguage(Language lang); // a switch: the document changes, the window re-captions
    void ProblemwithFarsilanguage1Click();

    // ---- Reaction line, grid, Balance, Calculate Grid, settings dialogs ----
    void WeightBtnClick();
    // Balances the line (completed in medium, the coefficients given choosing among several
    // forms); a refusal shows its reason, and offers the solution that would balance it.
    void BalanceLine(Medium medium, const std::vector<std::string>& given);
    // Check: whether the coefficients the line shows balance it, with the tallies.
    void ReactionCheckExecute();
    void GridClick();
    void GridSetEditText(int col, int row, const QString& text);
    void CalGridClick();
    void ReactionRecalculateExecute();
    void ReactionCopyExecute();
    void ReactionPasteExecute();
    void SettingsKeyExecute();
    void SettingsOptionsExecute();
    // The Precise Atomic Weights setting: the item's check mark, kept in the user settings.
    void SettingsPreciseWeightsExecute();
    AtomicWeights ChosenWeights() const;
    void UsePreciseWeights(); // --precise: checked for this run, the stored setting unchanged

    // ---- Documents and exports ----
    bool AskSaveChanges(); // true = go on
    void FileNewExecute();
    void FileOpenExecute();
    void FileOpenAccept(const QString& fileName);
    void FileSaveExecute();
    void FileSaveAsExecute();
    bool FileSaveAsAccept(const QString& chosenName);
    void FileHTMLExecute();
    void FilePrintExecute();
    bool WriteDefaultsFile(); // the options dialog's Default: the current settings for new documents

    // ---- Help and web links ----
    void HelpHelpExecute();
    void EndHelpMode(bool gridTopic);
    void HelpWebsiteExecute();
    void HelpSourceExecute();
    void HelpOnlineExecute();
    void HelpMailExecute();
    void HelpAboutExecute();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override; // FormClose

  private:
    friend struct ActionDef; // the action table names the window's action slots

    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreatePanels();
    void CreateMenuPainter();
    void ConnectDocument();
    void ReadWindowSettings();
    void FitFrameToStoredBounds(); // once the window manager has framed the shown window
    void WriteWindowSettings();
    void LayoutMainWindow(); // places the panels' children for the current size and direction
    void ApplyFonts();       // window, line, grid and menu fonts from the document's fonts
    void Recaption();        // every text of the window and its dialogs in the document's language
    void SetCaption();       // "Stoikon - " + name, or "Stoikon - Untitled"
    void InstallHelpMode();  // routes clicks anywhere on the grid to GridClick in help mode
    void OpenTarget(const QString& target);
    // The status bar's message in the document's language, after a switch.
    void RecaptionStatusBar();
    QString DefaultsFilePath(Language lang) const; // where New reads the defaults of a language
    QString MarksFolderPath() const;               // where the records of worked-out cells are
    QString AskFileName(FileDialogKind kind, const QString& title, const QString& filter);
    // The save dialog with the extension rule (".KVX", ".html", ".bmp" when the name has
    // none) and the overwrite question, whose No asks again. Empty when cancelled.
    QString ChooseSaveFileName(FileDialogKind kind, const QString& title, const QString& filter,
                               const QString& extension);

    DocumentModel* Doc;

    struct TActionList
    {
        QAction* FileNew = nullptr;
        QAction* FileOpen = nullptr;
        QAction* FileSave = nullptr;
        QAction* FileSaveAs = nullptr;
        QAction* FilePrint = nullptr;
        QAction* FileHTML = nullptr;
        QAction* FileExit = nullptr;
        QAction* ReactionCopy = nullptr;
        QAction* ReactionPaste = nullptr;
        QAction* ReactionRecalculate = nullptr;
        QAction* ReactionCheck = nullptr;
        QAction* SettingsOptions = nullptr;
        QAction* SettingsKey = nullptr;
        QAction* SettingsPreciseWeights = nullptr;
        QAction* SettingsEnglish = nullptr;
        QAction* SettingsFarsi = nullptr;
        QAction* HelpHelp = nullptr;
        QAction* HelpOnline = nullptr;
        QAction* HelpMail = nullptr;
        QAction* HelpWebsite = nullptr;
        QAction* HelpSource = nullptr;
        QAction* HelpAbout = nullptr;
        QAction* ProblemwithFarsilanguage1 = nullptr;
    } Actions;
    QMenu* File1 = nullptr;
    QMenu* Reaction1 = nullptr;
    QMenu* Settings1 = nullptr;
    QMenu* Help1 = nullptr;
    QToolBar* ToolBar = nullptr;
    QWidget* TextPanel = nullptr;
    QLabel* Lbl1 = nullptr;
    ReactionLine* TextImg = nullptr;
    QPushButton* WeightBtn = nullptr;
    QWidget* Panel = nullptr;
    QLabel* Lbl2 = nullptr;
    TPropertyGrid* Grid = nullptr;
    QPushButton* CalGrid = nullptr;
    TVelkMenu* VelkMenu = nullptr;
    TAboutForm* AboutForm = nullptr;
    TOpsForm* OpsForm = nullptr;
    TKOForm* KOForm = nullptr;

    bool HelpMode = false;
    bool FirstActivationDone = false;
    bool StartupFarsi = false;
    QRect StoredBounds;      // the frame's bounds read at start-up
    QString CommandLineFile; // the first command-line argument, opened at first activation
    QString DefaultsFolder;
    QString MarksFolder;
    FileDialog FileDialogHook;
    std::function<bool(const QString& url)> UrlOpener;
};
