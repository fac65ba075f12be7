// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's one message box: every message is shown through ShowMessageBox in
// the interface language, with the kind's icon, title and sound.

#include "texts/Language.h"

#include <QFont>
#include <QString>

#include <functional>
#include <vector>

class QMessageBox;
class QWidget;

enum class MessageKind
{
    Warning,
    Error,
    Information,
    Confirmation
};

enum MessageButton
{
    ButtonYes = 1,
    ButtonNo = 2,
    ButtonOk = 4,
    ButtonCancel = 8
};

// Result codes of the buttons; closing the box with its close box gives AnswerCancel.
enum MessageAnswer
{
    AnswerOk = 1,
    AnswerCancel = 2,
    AnswerYes = 6,
    AnswerNo = 7
};

struct MessageRequest
{
    QString Text; // "\r" marks a line break
    MessageKind Kind = MessageKind::Information;
    int Buttons = ButtonOk;
    Language Lang = Language::English;
    // Captions in place of Yes and No, for a choice between two actions.
    const LocalText* YesCaption = nullptr;
    const LocalText* NoCaption = nullptr;
};

// Builds the box, ready to show: icon, text, buttons in the order Yes, No, OK, Cancel,
// default and escape buttons, and in Farsi the right-to-left layout, the Farsi title
// and button captions. The caller owns the result.
QMessageBox* BuildMessageBox(const MessageRequest& request, const QFont& font, QWidget* parent = nullptr);

// The result code of the button that closed a box built by BuildMessageBox.
int MessageBoxResult(QMessageBox* box);

// Sounds the kind's sound (dialogs/MessageSound), shows the box modally and returns the
// result code.
int ShowMessageBox(const MessageRequest& request, const QFont& font, QWidget* parent = nullptr);

// Tests answer message boxes through this hook instead of a modal loop. While it is
// set, ShowMessageBox calls it and returns its answer without showing anything.
using MessageBoxHook = std::function<int(const MessageRequest&)>;
void SetMessageBoxHook(MessageBoxHook hook);
