// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/KOU.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QSettings>

#include <algorithm>

namespace {
const LocalText KOFormCaption{"Key Options", "تنظیمات کلیدها"};
const LocalText ChBCaption{"Elements auto identification", "تشخیص اتوماتیک عناصر"};
} // namespace

const std::vector<const LocalText*>& KeyOptionsTexts()
{
    static const std::vector<const LocalText*> all = {&KOFormCaption, &ChBCaption};
    return all;
}

TKOForm::TKOForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("KOForm");
    setFixedSize(DesignedWidth, DesignedHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // The key sets are symbols typed on a Latin keyboard: laid out right to left, the
    // brackets would show mirrored, "(" as ")".
    setLayoutDirection(Qt::LeftToRight);
    const KeyOptions defaults;
    struct Row
    {
        QLineEdit*& Edit;
        const char* Symbol;
        const std::string& Default;
        int Top;
    };
    Row rows[] = {{KP, "+", defaults.KP, 16},
                  {KOP, "(", defaults.KOP, 40},
                  {KCP, ")", defaults.KCP, 64},
                  {KF, nullptr, defaults.KF, 88}};
    for (Row& row : rows) {
        row.Edit = new QLineEdit(QString::fromStdString(row.Default), this);
        row.Edit->setGeometry(32, row.Top, 137, 21);
        if (row.Symbol) {
            auto* label = new QLabel(QString::fromLatin1(row.Symbol), this);
            label->setGeometry(12, row.Top, 16, 21);
        } else {
            auto* arrow = new QLabel(this);
            arrow->setPixmap(QPixmap(":/arrow.png"));
            arrow->setGeometry(8, row.Top + 3, 16, 14);
        }
    }
    KP->setObjectName("KP");
    KOP->setObjectName("KOP");
    KCP->setObjectName("KCP");
    KF->setObjectName("KF");
    ChB = new QCheckBox(this);
    ChB->setObjectName("ChB");
    ChB->move(8, 120);
    ChB->setChecked(defaults.ChB);
    Recaption(Language::English);
    // Every edit is in force at once: the dialog has no OK button.
    const auto report = [this] {
        if (!Loading)
            emit keysChanged(Keys());
    };
    for (QLineEdit* edit : {KP, KOP, KCP, KF})
        connect(edit, &QLineEdit::textChanged, this, report);
    connect(ChB, &QCheckBox::toggled, this, report);
}

void TKOForm::setKeys(const KeyOptions& keys)
{
    Loading = true;
    KP->setText(QString::fromStdString(keys.KP));
    KOP->setText(QString::fromStdString(keys.KOP));
    KCP->setText(QString::fromStdString(keys.KCP));
    KF->setText(QString::fromStdString(keys.KF));
    ChB->setChecked(keys.ChB);
    Loading = false;
}

KeyOptions TKOForm::Keys() const
{
    KeyOptions keys;
    keys.KP = KP->text().toStdString();
    keys.KOP = KOP->text().toStdString();
    keys.KCP = KCP->text().toStdString();
    keys.KF = KF->text().toStdString();
    keys.ChB = ChB->isChecked();
    return keys;
}

void TKOForm::FitCaption()
{
    // The dialog is 175 pixels wide, wider where the font needs more for the check box's
    // caption; the fields keep their margin at the right edge.
    const QSize box = ChB->sizeHint();
    const int width = std::max(DesignedWidth, ChB->x() + box.width() + FieldMargin);
    ChB->resize(box.width(), std::max(box.height(), 17));
    for (QLineEdit* edit : {KP, KOP, KCP, KF})
        edit->resize(width - FieldMargin - edit->x(), edit->height());
    setFixedSize(width, DesignedHeight);
}

void TKOForm::PrepareToOpen(const QFont& programFont)
{
    setFont(programFont);
    FitCaption();
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void TKOForm::Recaption(Language lang)
{
    setWindowTitle(KOFormCaption.In(lang));
    ChB->setText(ChBCaption.In(lang));
    FitCaption();
}

KeyOptions ReadKeyOptions()
{
    KeyOptions keys;
    QSettings settings("Velk", "ST1");
    if (settings.allKeys().isEmpty())
        return keys; // first run: the defaults stay
    // A missing text reads as empty: that set then maps nothing.
    keys.KP = settings.value("KP").toString().toStdString();
    keys.KOP = settings.value("KOP").toString().toStdString();
    keys.KCP = settings.value("KCP").toString().toStdString();
    // A missing or unreadable switch keeps its default (on) and the reading goes on to KF.
    bool ok = false;
    const int chb = settings.value("ChB").toString().toInt(&ok);
    if (ok)
        keys.ChB = chb != 0;
    keys.KF = settings.value("KF").toString().toStdString();
    return keys;
}

void WriteKeyOptions(const KeyOptions& keys)
{
    QSettings settings("Velk", "ST1");
    settings.setValue("KP", QString::fromStdString(keys.KP));
    settings.setValue("KOP", QString::fromStdString(keys.KOP));
    settings.setValue("KCP", QString::fromStdString(keys.KCP));
    settings.setValue("ChB", keys.ChB ? 1 : 0);
    settings.setValue("KF", QString::fromStdString(keys.KF));
}
