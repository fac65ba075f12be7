// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ActionTable.h"

#include "editor/ReactionLine.h"
#include "grid/PropertyGrid.h"
#include "shell/VelkMenu.h"
#include "shell/VelkMenuMetrics.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

const std::vector<ActionDef>& ActionTable()
{
    using F = TSTMainForm;
    using A = ActionDef::Slots;
    // clang-format off
    static const std::vector<ActionDef> table = {
        {&A::FileNew, "FileNew", "File", QKeySequence("Ctrl+N"), 0, &Texts::FileNewCaption, &Texts::FileNewHint, nullptr, nullptr, &F::FileNewExecute},
        {&A::FileOpen, "FileOpen", "File", QKeySequence("Ctrl+O"), 1, &Texts::FileOpenCaption, &Texts::FileOpenHint, nullptr, nullptr, &F::FileOpenExecute},
        {&A::FileSave, "FileSave", "File", QKeySequence("Ctrl+S"), 2, &Texts::FileSaveCaption, &Texts::FileSaveHint, nullptr, nullptr, &F::FileSaveExecute},
        {&A::FileSaveAs, "FileSaveAs", "File", QKeySequence(), 3, &Texts::FileSaveAsCaption, &Texts::FileSaveAsHint, nullptr, nullptr, &F::FileSaveAsExecute},
        {&A::FilePrint, "FilePrint", "File", QKeySequence("Ctrl+P"), 6, &Texts::FilePrintCaption, &Texts::FilePrintHint, nullptr, nullptr, &F::FilePrintExecute},
        {&A::FileHTML, "FileHTML", "File", QKeySequence("Ctrl+H"), 17, &Texts::FileHTMLCaption, &Texts::FileHTMLHint, nullptr, nullptr, &F::FileHTMLExecute},
        {&A::FileExit, "FileExit", "File", QKeySequence("Ctrl+Q"), 4, &Texts::FileExitCaption, &Texts::FileExitHint, nullptr, nullptr, nullptr},
        // Copy has a key of its own: Ctrl+Q stays with Exit.
        {&A::ReactionCopy, "ReactionCopy", "Reaction", QKeySequence("Ctrl+C"), 15, &Texts::ReactionCopyCaption, &Texts::ReactionCopyHint, nullptr, nullptr, &F::ReactionCopyExecute},
        {&A::ReactionPaste, "ReactionPaste", "Reaction", QKeySequence("Ctrl+W"), 14, &Texts::ReactionPasteCaption, &Texts::ReactionPasteHint, nullptr, nullptr, &F::ReactionPasteExecute},
        // F5 recalculates, as it refreshes in most programs; F9, the spreadsheets' key, is Farsi.
        {&A::ReactionRecalculate, "ReactionRecalculate", "Reaction", QKeySequence("F5"), 19, &Texts::ReactionRecalculateCaption, &Texts::ReactionRecalculateHint, nullptr, nullptr, &F::ReactionRecalculateExecute},
        {&A::ReactionCheck, "ReactionCheck", "Reaction", QKeySequence("Ctrl+K"), -1, &Texts::ReactionCheckCaption, &Texts::ReactionCheckHint, nullptr, nullptr, &F::ReactionCheckExecute},
        {&A::SettingsOptions, "SettingsOptions", "Settings", QKeySequence("F3"), 7, &Texts::SettingsOptionsCaption, &Texts::SettingsOptionsHint, nullptr, nullptr, &F::SettingsOptionsExecute},
        {&A::SettingsKey, "SettingsKey", "Settings", QKeySequence("F4"), 11, &Texts::SettingsKeyCaption, &Texts::SettingsKeyHint, nullptr, nullptr, &F::SettingsKeyExecute},
        {&A::SettingsPreciseWeights, "SettingsPreciseWeights", "Settings", QKeySequence(), -1, &Texts::SettingsPreciseWeightsCaption, &Texts::SettingsPreciseWeightsHint, nullptr, nullptr, &F::SettingsPreciseWeightsExecute},
        {&A::SettingsEnglish, "SettingsEnglish", "Settings", QKeySequence("F10"), 9, nullptr, nullptr, Texts::SettingsEnglishCaption, Texts::SettingsEnglishHint, &F::SettingsEnglishExecute},
        {&A::SettingsFarsi, "SettingsFarsi", "Settings", QKeySequence("F9"), 10, nullptr, nullptr, Texts::SettingsFarsiCaption, Texts::SettingsFarsiHint, &F::SettingsFarsiExecute},
        {&A::HelpHelp, "HelpHelp", "Help", QKeySequence("F1"), 13, &Texts::HelpHelpCaption, &Texts::HelpHelpHint, nullptr, nullptr, &F::HelpHelpExecute},
        {&A::HelpOnline, "HelpOnline", "Help", QKeySequence(), 18, &Texts::HelpOnlineCaption, &Texts::HelpOnlineHint, nullptr, nullptr, &F::HelpOnlineExecute},
        {&A::HelpMail, "HelpMail", "Help", QKeySequence("Shift+F1"), 16, &Texts::HelpMailCaption, &Texts::HelpMailHint, nullptr, nullptr, &F::HelpMailExecute},
        {&A::HelpWebsite, "HelpWebsite", "Help", QKeySequence(), 8, &Texts::HelpWebsiteCaption, &Texts::HelpWebsiteHint, nullptr, nullptr, &F::HelpWebsiteExecute},
        {&A::HelpSource, "HelpSource", "Help", QKeySequence(), 12, &Texts::HelpSourceCaption, &Texts::HelpSourceHint, nullptr, nullptr, &F::HelpSourceExecute},
        {&A::HelpAbout, "HelpAbout", "Help", QKeySequence(), 5, &Texts::HelpAboutCaption, &Texts::HelpAboutHint, nullptr, nullptr, &F::HelpAboutExecute},
        {&A::ProblemwithFarsilanguage1, "ProblemwithFarsilanguage1", "Help", QKeySequence(), -1, nullptr, nullptr, Texts::ProblemFarsiCaption, Texts::ProblemFarsiHint, &F::ProblemwithFarsilanguage1Click},
    };
    // clang-format on
    return table;
}

namespace {
QIcon ToolIcon(int index)
{
    QIcon icon;
    if (index >= 0)
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(index), QSize(24, 24));
    return icon;
}
} // namespace

void TSTMainForm::CreateActions()
{
    for (const ActionDef& def : ActionTable()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(def.Name));
        action->setProperty("category", QString::fromLatin1(def.Category));
        action->setShortcut(def.Key);
        action->setIcon(ToolIcon(def.Icon));
        action->setIconVisibleInMenu(true);
        if (def.FixedCaption) {
            action->setText(QString::fromUtf8(def.FixedCaption));
            const QString hint = QString::fromUtf8(def.FixedHint);
            action->setToolTip(ShortHint(hint));
            action->setStatusTip(LongHint(hint));
        }
        Actions.*def.Slot = action;
        if (def.Handler)
            connect(action, &QAction::triggered, this, [this, handler = def.Handler] {
                Grid->FinishEdit(); // a command works on the cell text as typed
                (this->*handler)();
                TextImg->forgetPressedKeys();
            });
    }
    connect(Actions.FileExit, &QAction::triggered, this, &QWidget::close);
    Actions.SettingsPreciseWeights->setCheckable(true);
    addActions({Actions.FileNew, Actions.FileOpen, Actions.FileSave, Actions.FilePrint, Actions.FileHTML,
                Actions.FileExit, Actions.ReactionCopy, Actions.ReactionPaste, Actions.ReactionRecalculate, Actions.ReactionCheck,
                Actions.SettingsOptions, Actions.SettingsKey, Actions.SettingsEnglish, Actions.SettingsFarsi,
                Actions.HelpHelp, Actions.HelpMail});
}

void TSTMainForm::CreateMenus()
{
    QMenuBar* bar = menuBar();
    File1 = bar->addMenu(QString());
    File1->setObjectName("File1");
    File1->addActions({Actions.FileNew, Actions.FileOpen, Actions.FileSave, Actions.FileSaveAs});
    File1->addSeparator()->setObjectName("N2");
    File1->addActions({Actions.FilePrint, Actions.FileHTML});
    File1->addSeparator()->setObjectName("N1");
    File1->addAction(Actions.FileExit);

    Reaction1 = bar->addMenu(QString());
    Reaction1->setObjectName("Reaction1");
    Reaction1->addActions({Actions.ReactionCopy, Actions.ReactionPaste});
    Reaction1->addSeparator()->setObjectName("N6");
    Reaction1->addActions({Actions.ReactionRecalculate, Actions.ReactionCheck});

    Settings1 = bar->addMenu(QString());
    Settings1->setObjectName("Settings1");
    Settings1->addActions({Actions.SettingsOptions, Actions.SettingsKey, Actions.SettingsPreciseWeights});
    Settings1->addSeparator()->setObjectName("N4");
    Settings1->addActions({Actions.SettingsEnglish, Actions.SettingsFarsi});

    Help1 = bar->addMenu(QString());
    Help1->setObjectName("Help1");
    Help1->addActions({Actions.HelpHelp, Actions.HelpOnline, Actions.ProblemwithFarsilanguage1});
    Help1->addSeparator()->setObjectName("N5");
    Help1->addActions({Actions.HelpMail, Actions.HelpWebsite, Actions.HelpSource});
    Help1->addSeparator()->setObjectName("N3");
    Help1->addAction(Actions.HelpAbout);
}

void TSTMainForm::CreateToolBar()
{
    ToolBar = addToolBar(QStringLiteral("ToolBar"));
    ToolBar->setObjectName("ToolBar");
    ToolBar->setMovable(false);
    ToolBar->setFloatable(false);
    ToolBar->setIconSize(QSize(24, 24));
    ToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    const std::vector<QAction*> buttons = {Actions.FileNew,
                                           Actions.FileOpen,
                                           Actions.FileSave,
                                           Actions.FileSaveAs,
                                           Actions.FilePrint,
                                           Actions.FileHTML,
                                           nullptr,
                                           Actions.ReactionCopy,
                                           Actions.ReactionPaste,
                                           Actions.ReactionRecalculate,
                                           nullptr,
                                           Actions.SettingsEnglish,
                                           Actions.SettingsFarsi,
                                           Actions.SettingsOptions,
                                           Actions.SettingsKey,
                                           nullptr,
                                           Actions.HelpHelp,
                                           Actions.HelpOnline,
                                           Actions.HelpMail,
                                           Actions.HelpWebsite,
                                           Actions.HelpSource,
                                           Actions.HelpAbout};
    for (QAction* action : buttons) {
        if (!action) {
            ToolBar->addSeparator();
            continue;
        }
        ToolBar->addAction(action);
        if (QWidget* button = ToolBar->widgetForAction(action))
            button->setFixedSize(31, 30);
    }
}

namespace {
// The first item of a menu sets the menu's least width.
void New1MeasureItem(QAction*, int& width, int&)
{
    width = 200;
}
void Copy1MeasureItem(QAction*, int& width, int&)
{
    width = 100;
}
} // namespace

void TSTMainForm::CreateMenuPainter()
{
    // The painter's defaults but for the selection colours (light blue with a blue outline,
    // the caption keeping the menu-text colour) and its font.
    VelkMenu = new TVelkMenu(this);
    VelkMenu->setObjectName("VelkMenu");
    VelkMenu->SelectedBackColor = MenuMetrics::SelectedBackColor;
    VelkMenu->SelectedBorderColor = MenuMetrics::SelectedBorderColor;
    VelkMenu->SelectedTextColor = SystemColor(7);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    VelkMenu->SetFont(font);
    VelkMenu->SetMeasureItem(Actions.FileNew, New1MeasureItem);
    for (QAction* first : {Actions.ReactionCopy, Actions.SettingsOptions, Actions.HelpHelp})
        VelkMenu->SetMeasureItem(first, Copy1MeasureItem);
}
