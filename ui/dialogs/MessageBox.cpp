// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/MessageBox.h"

#include "ui/dialogs/MessageSound.h"
#include "ui/dialogs/ShapedCaption.h"
#include "ui/dialogs/WindowFrame.h"

#include "texts/Texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

// The close box answers Cancel whatever buttons the box has.
class CentredMessageBox : public QMessageBox
{
  public:
    using QMessageBox::QMessageBox;
    bool ClosedByCloseBox = false;

  protected:
    void closeEvent(QCloseEvent* event) override
    {
        ClosedByCloseBox = true;
        QDialog::closeEvent(event);
    }
    // The box stands in the middle of the screen, not over its window.
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event); // lays the box out at its size
        if (!event->spontaneous())
            CentreOnScreen(this);
    }
};

const LocalText& TitleOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return Texts::WarningTitle;
    case MessageKind::Error:
        return Texts::ErrorTitle;
    case MessageKind::Information:
        return Texts::InformationTitle;
    case MessageKind::Confirmation:
        break;
    }
    return Texts::ConfirmTitle;
}

QMessageBox::Icon IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        break;
    }
    return QMessageBox::Question;
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    Hook() = std::move(hook);
}

QMessageBox* BuildMessageBox(const MessageRequest& request, const QFont& font, QWidget* parent)
{
    auto* box = new CentredMessageBox(parent);
    box->setIcon(IconOf(request.Kind));
    QString text = request.Text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box->setText(text);
    box->setTextFormat(Qt::PlainText);
    box->setWindowTitle(TitleOf(request.Kind).In(Language::English));
    box->setFont(font);

    struct ButtonDef
    {
        int Flag;
        QMessageBox::StandardButton Standard;
        const LocalText& Caption;
    };
    const ButtonDef defs[] = {{ButtonYes, QMessageBox::Yes, Texts::YesButton},
                              {ButtonNo, QMessageBox::No, Texts::NoButton},
                              {ButtonOk, QMessageBox::Ok, Texts::OkButton},
                              {ButtonCancel, QMessageBox::Cancel, Texts::CancelButton}};
    for (const ButtonDef& def : defs) {
        if (!(request.Buttons & def.Flag))
            continue;
        QPushButton* button = box->addButton(def.Standard);
        const LocalText* own = def.Flag == ButtonYes  ? request.YesCaption
                               : def.Flag == ButtonNo ? request.NoCaption
                                                      : nullptr;
        button->setText(own ? own->In(request.Lang) : def.Caption.In(Language::English));
        button->setStyle(ShapedCaptionStyle::Instance()); // a Farsi accelerator keeps its word joined
    }
    box->setDefaultButton((request.Buttons & ButtonOk) ? QMessageBox::Ok : QMessageBox::Yes);
    if (request.Buttons & ButtonCancel)
        box->setEscapeButton(QMessageBox::Cancel);
    else if (request.Buttons & ButtonNo)
        box->setEscapeButton(QMessageBox::No);
    else
        box->setEscapeButton(QMessageBox::Ok);

    if (request.Lang == Language::Farsi) {
        box->setLayoutDirection(Qt::RightToLeft);
        box->setWindowTitle(TitleOf(request.Kind).In(Language::Farsi));
        const LocalText* captions[] = {&Texts::OkButton, &Texts::YesButton, &Texts::NoButton,
                                       &Texts::CancelButton};
        for (QAbstractButton* button : box->buttons()) {
            for (const LocalText* caption : captions) {
                if (button->text() == caption->In(Language::English)) {
                    button->setText(caption->In(Language::Farsi));
                    break;
                }
            }
        }
    }
    return box;
}

int MessageBoxResult(QMessageBox* box)
{
    auto* dialog = static_cast<CentredMessageBox*>(box);
    QAbstractButton* clicked = box->clickedButton();
    if (dialog->ClosedByCloseBox || clicked == nullptr)
        return AnswerCancel;
    switch (box->standardButton(clicked)) {
    case QMessageBox::Ok:
        return AnswerOk;
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    default:
        return AnswerCancel;
    }
}

int ShowMessageBox(const MessageRequest& request, const QFont& font, QWidget* parent)
{
    if (Hook())
        return Hook()(request);
    SoundMessage(request.Kind);
    QMessageBox* box = BuildMessageBox(request, font, parent);
    box->exec();
    const int result = MessageBoxResult(box);
    delete box;
    return result;
}
