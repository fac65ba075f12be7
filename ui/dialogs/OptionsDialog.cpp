// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/OptionsDialog.h"

#include "grid/GridItems.h"
#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "render/FontConvert.h"
#include "ui/dialogs/ColorBox.h"
#include "ui/dialogs/MessageBox.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace {
const char* const NewItemLine = "New Item:0=100";

std::string ToStd(const QString& text)
{
    return text.toStdString();
}
QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}

std::vector<std::string> LinesOf(const QListWidget* list)
{
    std::vector<std::string> lines;
    for (int i = 0; i < list->count(); ++i)
        lines.push_back(ToStd(list->item(i)->text()));
    return lines;
}

// Moves the selected entry by one place; an entry at either end stays where it is.
void MoveEntry(QListWidget* list, int step)
{
    const int row = list->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= list->count())
        return;
    QListWidgetItem* item = list->takeItem(row);
    list->insertItem(target, item);
    list->setCurrentRow(target);
}

// Removes the selected entry and selects the one that takes its place, or the new last one.
void DeleteEntry(QListWidget* list)
{
    const int row = list->currentRow();
    if (row < 0)
        return;
    delete list->takeItem(row);
    list->setCurrentRow(std::min(row, list->count() - 1));
}

void AppendEntry(QListWidget* list, const QString& line)
{
    list->addItem(line);
    list->setCurrentRow(list->count() - 1);
}

// A number field's value; empty gives the field's own default and a number too large
// for an int keeps the value the document had.
int NumberIn(const QLineEdit* field, int emptyValue, int oldValue)
{
    if (field->text().isEmpty())
        return emptyValue;
    bool ok = false;
    const int value = field->text().toInt(&ok);
    return ok ? value : oldValue;
}
} // namespace

void TOpsForm::showEvent(QShowEvent* event)
{
    FormShow();
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TOpsForm::FormShow()
{
    LoadingEditors = true;
    const FontSettings& fonts = Document->fonts();
    setFont(ToQFont(fonts.ProgramFont));
    const QStringList families = QFontDatabase::families();
    for (int i = 0; i < FontSettings::Count; ++i) {
        const FontSpec& stored = fonts.At(i);
        TFontRow& row = FontRows[i];
        row.Face->clear();
        row.Face->addItems(families);
        int face = row.Face->findText(ToQ(stored.Name), Qt::MatchFixedString);
        if (face < 0 && !stored.Name.empty())
            face = AddMissingFace(row.Face, ToQ(stored.Name));
        row.Face->setCurrentIndex(face);
        row.Size->setText(QString::number(stored.Size));
        row.Color->SetColorValue(stored.Color);
        row.Bold->setChecked(stored.Bold);
        row.Italic->setChecked(stored.Italic);
    }
    FSbP->setText(QString::number(fonts.SubscriptsPosition));

    const std::vector<std::string>& names = Document->document().cells().front();
    GIList->clear();
    for (const std::string& line : Document->document().options().ItemLines)
        GIList->addItem(ToQ(line));
    // Targets come from the grid as it is; columns added here appear at the next showing.
    GFN1->clear();
    for (const std::string& name : names)
        GFN1->addItem(ToQ(FormulaTargetOf(name)));
    GFList->clear();
    for (const std::string& line : Document->formulas())
        GFList->addItem(ToQ(line));
    LoadingEditors = false;
    LoadItemEditors();
    LoadFormulaEditors();
}

int TOpsForm::AddMissingFace(QComboBox* box, const QString& name) const
{
    // A face the document names but this system lacks (Tahoma, Arial) is still the
    // document's: it is listed in its place, in italics, and its hint names the font Qt
    // draws in its place.
    int index = 0;
    while (index < box->count() && box->itemText(index).compare(name, Qt::CaseInsensitive) < 0)
        ++index;
    box->insertItem(index, name);
    QFont italic = font();
    italic.setItalic(true);
    box->setItemData(index, italic, Qt::FontRole);
    box->setItemData(index, MissingFaceText(Document->language(), QFontInfo(QFont(name)).family()),
                     Qt::ToolTipRole);
    return index;
}

// ---- Column items ----

void TOpsForm::LoadItemEditors()
{
    const bool wasLoading = std::exchange(LoadingEditors, true);
    if (const QListWidgetItem* entry = GIList->currentItem()) {
        const GridItem item = ParseItemLine(ToStd(entry->text()));
        GIName->setText(ToQ(item.Name));
        const int type = item.Type - '0';
        GIType->setCurrentIndex(type >= 0 && type < GIType->count() ? type : -1);
        GIWidth->setText(QString::number(item.Width));
    } else {
        // No entry: the editors show nothing that could be mistaken for one.
        GIName->clear();
        GIType->setCurrentIndex(-1);
        GIWidth->setText(QStringLiteral("100"));
    }
    LoadingEditors = wasLoading;
}

void TOpsForm::GIListClick()
{
    LoadItemEditors();
}

void TOpsForm::GINameChange()
{
    QListWidgetItem* entry = GIList->currentItem();
    if (LoadingEditors || !entry)
        return;
    // A type code the list does not know (from a damaged file) stays as it was.
    const char type = GIType->currentIndex() >= 0 ? static_cast<char>('0' + GIType->currentIndex())
                                                  : ParseItemLine(ToStd(entry->text())).Type;
    entry->setText(GIName->text() + QLatin1Char(':') + QLatin1Char(type) + QLatin1Char('=') +
                   GIWidth->text());
}

void TOpsForm::GIUpClick()
{
    MoveEntry(GIList, -1);
    LoadItemEditors();
}

void TOpsForm::GIDownClick()
{
    MoveEntry(GIList, 1);
    LoadItemEditors();
}

void TOpsForm::GINewClick()
{
    AppendEntry(GIList, QString::fromLatin1(NewItemLine));
    LoadItemEditors();
}

void TOpsForm::GIDeleteClick()
{
    DeleteEntry(GIList);
    LoadItemEditors();
}

// ---- Formulas ----

void TOpsForm::LoadFormulaEditors()
{
    const bool wasLoading = std::exchange(LoadingEditors, true);
    if (const QListWidgetItem* entry = GFList->currentItem()) {
        const auto [target, expression] = SplitFormulaLine(ToStd(entry->text()));
        GFN1->setCurrentIndex(GFN1->findText(ToQ(target), Qt::MatchFixedString));
        GFN2->setText(ToQ(expression));
    } else {
        GFN1->setCurrentIndex(-1);
        GFN2->clear();
    }
    LoadingEditors = wasLoading;
}

void TOpsForm::GFListClick()
{
    LoadFormulaEditors();
}

void TOpsForm::GFN1Change()
{
    QListWidgetItem* entry = GFList->currentItem();
    if (LoadingEditors || !entry)
        return;
    // A target that names no current column is kept rather than blanked, so editing the
    // expression of such a formula does not lose its target.
    const std::string target =
        GFN1->currentIndex() >= 0 ? ToStd(GFN1->currentText()) : SplitFormulaLine(ToStd(entry->text())).first;
    entry->setText(ToQ(JoinFormulaLine(target, ToStd(GFN2->text()))));
}

void TOpsForm::GFNewClick()
{
    AppendEntry(GFList, ToQ(JoinFormulaLine(ToStd(GFN1->itemText(0)), "b*c")));
    LoadFormulaEditors();
}

void TOpsForm::GFDeleteClick()
{
    DeleteEntry(GFList);
    LoadFormulaEditors();
}

void TOpsForm::HelpBtnClick()
{
    QString text = Label29->text();
    ShowMessageBox({text.replace(QLatin1Char('\n'), QLatin1Char('\r')), MsgKind::Information, mbOK,
                    Document->language()},
                   ToQFont(Document->fonts().ProgramFont), this);
}

// ---- Closing ----

void TOpsForm::OKClick()
{
    ApplySettings();
    accept();
}

void TOpsForm::DefClick()
{
    ApplySettings();
    done(DefaultResult);
}

void TOpsForm::CancelClick()
{
    reject();
}

void TOpsForm::TimTimer()
{
    Tim->stop();
    emit redrawRequested();
}

void TOpsForm::ApplySettings()
{
    DocumentOptions options;
    options.Fonts = Document->fonts();
    ApplyFontRows(options.Fonts);
    options.Fonts.SubscriptsPosition = NumberIn(FSbP, 0, options.Fonts.SubscriptsPosition);
    options.ItemLines = LinesOf(GIList);
    options.Formulas = LinesOf(GFList);
    // The window, the grid and the menu take the fonts at once; the reaction line is drawn
    // again once the dialog is gone and the window repaints.
    Document->applyOptions(options);
    Tim->start();
    ChLbl->setFont(ToQFont(options.Fonts.GridFont));
    emit settingsApplied(ChLbl->fontMetrics().height() + 7);
}

void TOpsForm::ApplyFontRows(FontSettings& fonts) const
{
    for (int i = 0; i < FontSettings::Count; ++i) {
        FontSpec& stored = fonts.At(i);
        const TFontRow& row = FontRows[i];
        if (row.Face->currentIndex() >= 0)
            stored.Name = ToStd(row.Face->currentText());
        stored.Size = NumberIn(row.Size, 1, stored.Size);
        // A colour the box does not list stays as the document had it.
        stored.Color = row.Color->SelectedColor().value_or(stored.Color);
        stored.Bold = row.Bold->isChecked();
        stored.Italic = row.Italic->isChecked();
    }
}
