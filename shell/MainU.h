// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window holds the whole working state of Stoikon for the run.
//
// Data flow of one piece of work:
//   keys -> TextBtn -> hfKeyPress -> key sets -> ReactionText -> TidyReaction -> DrawReaction
//   Balance -> BalanceReaction (core: tidy, parse, solve, scale, compose) -> Grid sweeps
//           -> ReactionText with coefficients -> DrawReaction
//   Calculate Grid -> grid cells + FormulsList -> CalculateGrid -> empty cells filled
//   Save/Open -> document lines <-> the state below; exports read it and change nothing.
//
// The handlers live in the folder of the subsystem that owns them: editor/ (reaction
// line, key options, bitmap export), grid/ (grid, Balance, Calculate Grid), document/
// (New, Open, Save, HTML export), dialogs/ (options) and shell/ (start-up, language,
// help, web links).

#include "core/Language.h"
#include "dialogs/MessageBox.h"
#include "shell/InterfaceTexts.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class DocumentModel;
struct KeyOptions;
class QAction;
class QImage;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QToolBar;
class TAboutForm;
class TKOForm;
class TKeyCatcher;
class TOpsForm;
class TPropertyGrid;
class TReactionImage;
class TVelkMenu;

// Which file dialog a command asks for; tests replace the dialogs through FileDialogHook.
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
    TAboutForm* AboutForm = nullptr;
    TOpsForm* OpsForm = nullptr;
    TKOForm* KOForm = nullptr;

    // The open document; the window shows it and its commands change it.
    DocumentModel* document() const { return Doc; }

    // ---- Reaction line state ----
    std::string ReactionText; // the line's text as edited; the document follows every change
    int CaretPos = 0;
    int FirstVisible = 0;
    std::vector<int> CharWidths;
    int CaretX = 0;
    bool CaretShown = false;
    bool HelpMode = false;
    QString CommandLineFile; // the first command-line argument, opened at first activation

    // ---- Components ----
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
        QAction* SettingsOptions = nullptr;
        QAction* SettingsKey = nullptr;
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
    TReactionImage* TextImg = nullptr;
    QPushButton* WeightBtn = nullptr;
    TKeyCatcher* TextBtn = nullptr;
    QWidget* Panel = nullptr;
    QLabel* Lbl2 = nullptr;
    TPropertyGrid* Grid = nullptr;
    QPushButton* CalGrid = nullptr;
    QTimer* BlinkTim = nullptr;
    TVelkMenu* VelkMenu = nullptr;

    // ---- Shell (shell/) ----
    void FormActivate(); // first activation: language, New, command-line file
    bool Activated() const { return FirstActivationDone; }
    void SetCaption();       // "Stoikon - " + name, or "Stoikon - Untitled"
    void LayoutMainWindow(); // places the panels' children for the current size and direction
    QFont ProgramQFont() const;
    void ApplyFonts(); // window, grid and menu fonts from the document's fonts
    int Message(const LocalText& text, MsgKind kind, int buttons);
    int Message(const QString& text, MsgKind kind, int buttons);
    QString AskFileName(FileDialogKind kind, const QString& title, const QString& filter);
    std::function<QString(FileDialogKind, const QString& title, const QString& filter)> FileDialogHook;

    // ---- Language (shell/LanguageSwitch.cpp) ----
    void SettingsEnglishExecute();
    void SettingsFarsiExecute();
    void ApplyLanguage(Language lang);
    void ProblemwithFarsilanguage1Click();
    QString OpenDialogTitle;
    QString SaveDialogTitle;

    // ---- Reaction line (editor/) ----
    void hfKeyDown(int virtualKey);
    void hfKeyPress(char32_t ch);
    void hfKeyUp();
    void hfEnter();
    void hfExit();
    void TextImgMouseDown(int x);
    void TextImgClick();
    void BlinkTimTimer();
    void TidyReaction();
    void ScrollToCaret();
    long long WidthBefore(int n) const; // a document's line may be wider than an int holds
    void DrawReaction(QImage* canvas = nullptr);
    void ReactionCopyExecute();
    void ReactionPasteExecute();
    void SettingsKeyExecute();
    void FilePrintExecute();
    // The picture of reaction and grid, no dialogs; false on failure, with reason when
    // given ("PATH: cause"), as for the web page below.
    bool ExportBitmapTo(const QString& fileName, std::string* reason = nullptr);
    KeyOptions CurrentKeys() const;
    bool PasteInProgress = false;
    // Members of the reaction editor go here.

    // ---- Grid, Balance, Calculate Grid (grid/) ----
    void WeightBtnClick();
    void GridClick();
    void GridSetEditText(int col, int row, const QString& text);
    void CalGridClick();

    // ---- Documents (document/) ----
    bool AskSaveChanges(); // true = go on
    void FileNewExecute();
    void FileOpenExecute();
    void FileOpenAccept(const QString& fileName);
    void FileSaveExecute();
    void FileSaveAsExecute();
    bool FileSaveAsAccept(const QString& chosenName);
    void FileHTMLExecute();
    bool ExportHtmlTo(const QString& fileName, std::string* reason = nullptr); // the web page, no dialogs
    QString DefaultsFilePath(Language lang) const; // where New reads the defaults of a language
    bool WriteDefaultsFile(); // the options dialog's Default: the current settings for new documents
    QString DefaultsFolder;   // overrides the defaults folder (tests); empty = the usual places
    // The save dialog with the extension rule (".KVX", ".html", ".bmp" when the name has
    // none) and the overwrite question, whose No asks again. Empty when cancelled.
    QString ChooseSaveFileName(FileDialogKind kind, const QString& title, const QString& filter,
                               const QString& extension);

    // ---- Options (dialogs/) ----
    void SettingsOptionsExecute();

    // ---- Help and web links (shell/) ----
    void InstallHelpMode(); // routes clicks anywhere on the grid to GridClick in help mode
    void HelpHelpExecute();
    void EndHelpMode(bool gridTopic);
    void HelpWebsiteExecute();
    void HelpSourceExecute();
    void HelpOnlineExecute();
    void HelpMailExecute();
    void HelpAboutExecute();
    std::function<bool(const QString& url)> UrlOpener; // replaceable for tests

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;   // FormClose
    void resizeEvent(QResizeEvent* event) override; // FormResize

  private:
    void ShowDocumentText(); // the document's reaction in the line, the caret within it
    void Recaption();        // every text of the window and its dialogs in the document's language
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreatePanels();
    void ReadWindowSettings();
    void WriteWindowSettings();

    DocumentModel* Doc;
    bool FontsExist = false; // the reaction-line fonts live from creation to close
    bool FirstActivationDone = false;
    bool StartupFarsi = false;
};
