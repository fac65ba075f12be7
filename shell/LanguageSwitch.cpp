// SPDX-License-Identifier: GPL-3.0-or-later
// The language switch: every caption, hint, message and title of the interface, the text
// direction, and the dialogs' own texts.

#include "dialogs/OpsU.h"
#include "document/DocumentModel.h"
#include "editor/KOU.h"
#include "editor/ReactionLine.h"
#include "grid/PropertyGrid.h"
#include "shell/AboutU.h"
#include "shell/ActionTable.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

void TSTMainForm::SettingsEnglishExecute()
{
    ApplyLanguage(Language::English);
}

void TSTMainForm::SettingsFarsiExecute()
{
    ApplyLanguage(Language::Farsi);
}

void TSTMainForm::ApplyLanguage(Language lang)
{
    // The language is part of the document, so a switch is a change to be saved. A switch
    // to another language re-captions the window through the document's signal.
    const bool same = Doc->language() == lang;
    Doc->setLanguage(lang);
    Doc->setModified(true);
    if (same)
        Recaption();
}

void TSTMainForm::Recaption()
{
    const Language lang = Doc->language();
    setLayoutDirection(lang == Language::Farsi ? Qt::RightToLeft : Qt::LeftToRight);

    File1->setTitle(Texts::File1Caption.In(lang));
    Reaction1->setTitle(Texts::Reaction1Caption.In(lang));
    Settings1->setTitle(Texts::Settings1Caption.In(lang));
    Help1->setTitle(Texts::Help1Caption.In(lang));
    for (const ActionDef& def : ActionTable()) {
        if (!def.Caption)
            continue;
        QAction* action = Actions.*def.Slot;
        action->setText(def.Caption->In(lang));
        const QString hint = def.Hint->In(lang);
        action->setToolTip(ShortHint(hint));
        action->setStatusTip(LongHint(hint));
    }
    // Only the command of the other language is offered.
    Actions.SettingsEnglish->setVisible(lang == Language::Farsi);
    Actions.SettingsFarsi->setVisible(lang == Language::English);

    SetCaption();
    Lbl1->setText(Texts::Lbl1Caption.In(lang));
    Lbl2->setText(Texts::Lbl2Caption.In(lang));
    WeightBtn->setText(Texts::WeightBtnCaption.In(lang));
    CalGrid->setText(Texts::CalGridCaption.In(lang));
    const QString calHint = Texts::CalGridHint.In(lang);
    CalGrid->setToolTip(ShortHint(calHint));
    CalGrid->setStatusTip(LongHint(calHint));
    const QString imgHint = Texts::TextImgHint.In(lang);
    TextImg->setToolTip(ShortHint(imgHint));
    TextImg->setStatusTip(LongHint(imgHint));

    if (OpsForm)
        OpsForm->Recaption(lang);
    if (AboutForm)
        AboutForm->Recaption(lang);
    if (KOForm)
        KOForm->Recaption(lang);
    LayoutMainWindow();
    RecaptionStatusBar();
}

void TSTMainForm::RecaptionStatusBar()
{
    const Language lang = Doc->language();
    // A notice of a command (help mode's prompt, a grid too large) is said again.
    const QString shown = statusBar()->currentMessage();
    for (const LocalText* notice : {&Texts::HelpModePrompt, &Texts::MsgGridTooLarge,
                                    &Texts::MsgSeparatorDropped, &Texts::MsgCalculationCancelled}) {
        if (shown == notice->In(Language::English) || shown == notice->In(Language::Farsi)) {
            statusBar()->showMessage(notice->In(lang));
            return;
        }
    }
    // A hint is the one the pointer rests on now, as the next move of the mouse would show
    // it; the window may just have been mirrored under the pointer. Qt only updates the
    // message when the pointer enters or leaves a control.
    QString hint;
    if (const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (menu->activeAction())
            hint = menu->activeAction()->statusTip();
    } else if (const QWidget* under = QApplication::widgetAt(QCursor::pos());
               under && under->window() == this) {
        for (; under && hint.isEmpty(); under = under->parentWidget())
            hint = under->statusTip();
    }
    statusBar()->showMessage(hint);
}

void TSTMainForm::ProblemwithFarsilanguage1Click()
{
    Message(QString::fromUtf8(Texts::ProblemFarsiText), MsgKind::Information, mbOK);
}
