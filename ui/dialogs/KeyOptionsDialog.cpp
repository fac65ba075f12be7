// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/KeyOptionsDialog.h"

#include "model/DocumentModel.h"

#include "texts/Texts.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>

#include <algorithm>

KeyOptionsDialog::KeyOptionsDialog(DocumentModel* document, QWidget* parent) : QDialog(parent)
{
    setObjectName("keyOptionsDialog");
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
    Row rows[] = {{plusKeys, "+", defaults.PlusKeys, 16},
                  {openKeys, "(", defaults.OpenKeys, 40},
                  {closeKeys, ")", defaults.CloseKeys, 64},
                  {arrowKeys, nullptr, defaults.ArrowKeys, 88}};
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
    // The names the user settings keep the values under.
    plusKeys->setObjectName("KP");
    openKeys->setObjectName("KOP");
    closeKeys->setObjectName("KCP");
    arrowKeys->setObjectName("KF");
    autoCase = new QCheckBox(this);
    autoCase->setObjectName("ChB");
    autoCase->move(8, 120);
    autoCase->setChecked(defaults.AutoCase);
    retranslate(document->language());
    connect(document, &DocumentModel::languageChanged, this, &KeyOptionsDialog::retranslate);
    // Every edit is in force at once: the dialog has no OK button.
    const auto report = [this] {
        if (!Loading)
            emit keysChanged(keys());
    };
    for (QLineEdit* edit : {plusKeys, openKeys, closeKeys, arrowKeys})
        connect(edit, &QLineEdit::textChanged, this, report);
    connect(autoCase, &QCheckBox::toggled, this, report);
}

void KeyOptionsDialog::setKeys(const KeyOptions& keys)
{
    Loading = true;
    plusKeys->setText(QString::fromStdString(keys.PlusKeys));
    openKeys->setText(QString::fromStdString(keys.OpenKeys));
    closeKeys->setText(QString::fromStdString(keys.CloseKeys));
    arrowKeys->setText(QString::fromStdString(keys.ArrowKeys));
    autoCase->setChecked(keys.AutoCase);
    Loading = false;
}

KeyOptions KeyOptionsDialog::keys() const
{
    KeyOptions keys;
    keys.PlusKeys = plusKeys->text().toStdString();
    keys.OpenKeys = openKeys->text().toStdString();
    keys.CloseKeys = closeKeys->text().toStdString();
    keys.ArrowKeys = arrowKeys->text().toStdString();
    keys.AutoCase = autoCase->isChecked();
    return keys;
}

void KeyOptionsDialog::fitCaption()
{
    // The dialog is 175 pixels wide, wider where the font needs more for the check box's
    // caption; the fields keep their margin at the right edge.
    const QSize box = autoCase->sizeHint();
    const int width = std::max(DesignedWidth, autoCase->x() + box.width() + FieldMargin);
    autoCase->resize(box.width(), std::max(box.height(), 17));
    for (QLineEdit* edit : {plusKeys, openKeys, closeKeys, arrowKeys})
        edit->resize(width - FieldMargin - edit->x(), edit->height());
    setFixedSize(width, DesignedHeight);
}

void KeyOptionsDialog::prepareToOpen(const QFont& programFont)
{
    setFont(programFont);
    fitCaption();
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void KeyOptionsDialog::retranslate(Language lang)
{
    setWindowTitle(Texts::KeyOptionsTitle.In(lang));
    autoCase->setText(Texts::AutoCaseCaption.In(lang));
    fitCaption();
}
