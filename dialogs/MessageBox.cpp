// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/MessageBox.h"

#include "dialogs/MessageSound.h"
#include "dialogs/ShapedCaption.h"
#include "dialogs/WindowFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {
const LocalText TitleWarning{"Warning", "توجه"};
const LocalText TitleError{"Error", "خطا"};
const LocalText TitleInformation{"Information", "اطلاعات"};
const LocalText TitleConfirm{"Confirm", "تایید"};
const LocalText ButtonOK{"OK", "قبول"};
const LocalText ButtonCancel{"Cancel", "لغو"};
const LocalText ButtonYes{"&Yes", "&بلی"};
const LocalText ButtonNo{"&No", "&خیر"};

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

// The close box answers Cancel whatever buttons the box has.
class TMessageDialog : public QMessageBox
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

const LocalText& TitleOf(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning:
        return TitleWarning;
    case MsgKind::Error:
        return TitleError;
    case MsgKind::Information:
        return TitleInformation;
    case MsgKind::Confirmation:
        break;
    }
    return TitleConfirm;
}

QMessageBox::Icon IconOf(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning:
        return QMessageBox::Warning;
    case MsgKind::Error:
        return QMessageBox::Critical;
    case MsgKind::Information:
        return QMessageBox::Information;
    case MsgKind::Confirmation:
        break;
    }
    return QMessageBox::Question;
}

} // namespace

const std::vector<const LocalText*>& MessageBoxTexts()
{
    static const std::vector<const LocalText*> all = {&TitleWarning, &TitleError, &TitleInformation,
                                                      &TitleConfirm, &ButtonOK,   &ButtonCancel,
                                                      &ButtonYes,    &ButtonNo};
    return all;
}

void SetMessageBoxHook(MessageBoxHook hook)
{
    Hook() = std::move(hook);
}

QMessageBox* BuildMessageBox(const MessageRequest& request, const QFont& font, QWidget* parent)
{
    auto* box = new TMessageDialog(parent);
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
    const ButtonDef defs[] = {{mbYes, QMessageBox::Yes, ButtonYes},
                              {mbNo, QMessageBox::No, ButtonNo},
                              {mbOK, QMessageBox::Ok, ButtonOK},
                              {mbCancel, QMessageBox::Cancel, ButtonCancel}};
    for (const ButtonDef& def : defs) {
        if (!(request.Buttons & def.Flag))
            continue;
        QPushButton* button = box->addButton(def.Standard);
        const LocalText* own = def.Flag == mbYes  ? request.YesCaption
                               : def.Flag == mbNo ? request.NoCaption
                                                  : nullptr;
        button->setText(own ? own->In(request.Lang) : def.Caption.In(Language::English));
        button->setStyle(TShapedCaptionStyle::Instance()); // a Farsi accelerator keeps its word joined
    }
    box->setDefaultButton((request.Buttons & mbOK) ? QMessageBox::Ok : QMessageBox::Yes);
    if (request.Buttons & mbCancel)
        box->setEscapeButton(QMessageBox::Cancel);
    else if (request.Buttons & mbNo)
        box->setEscapeButton(QMessageBox::No);
    else
        box->setEscapeButton(QMessageBox::Ok);

    if (request.Lang == Language::Farsi) {
        box->setLayoutDirection(Qt::RightToLeft);
        box->setWindowTitle(TitleOf(request.Kind).In(Language::Farsi));
        const LocalText* captions[] = {&ButtonOK, &ButtonYes, &ButtonNo, &ButtonCancel};
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
    auto* dialog = static_cast<TMessageDialog*>(box);
    QAbstractButton* clicked = box->clickedButton();
    if (dialog->ClosedByCloseBox || clicked == nullptr)
        return mrCancel;
    switch (box->standardButton(clicked)) {
    case QMessageBox::Ok:
        return mrOk;
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    default:
        return mrCancel;
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
