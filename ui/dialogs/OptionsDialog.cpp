// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/OptionsDialog.h"

#include "grid/FormulaReading.h"
#include "grid/GridItems.h"
#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "render/FontConvert.h"
#include "texts/Texts.h"
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

OptionsDialog::OptionsDialog(DocumentModel* document, QWidget* parent) : OptionsPages(document, parent)
{
    connect(itemList, &QListWidget::currentRowChanged, this, &OptionsDialog::showItem);
    connect(itemName, &QLineEdit::textChanged, this, &OptionsDialog::itemEdited);
    connect(itemType, qOverload<int>(&QComboBox::currentIndexChanged), this, &OptionsDialog::itemEdited);
    connect(itemWidth, &QLineEdit::textChanged, this, &OptionsDialog::itemEdited);
    connect(itemUpButton, &QToolButton::clicked, this, &OptionsDialog::moveItemUp);
    connect(itemDownButton, &QToolButton::clicked, this, &OptionsDialog::moveItemDown);
    connect(itemNewButton, &QToolButton::clicked, this, &OptionsDialog::addItem);
    connect(itemDeleteButton, &QToolButton::clicked, this, &OptionsDialog::deleteItem);
    connect(formulaList, &QListWidget::currentRowChanged, this, &OptionsDialog::showFormula);
    connect(formulaTarget, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &OptionsDialog::formulaEdited);
    connect(formulaExpression, &QLineEdit::textChanged, this, &OptionsDialog::formulaEdited);
    connect(formulaNewButton, &QToolButton::clicked, this, &OptionsDialog::addFormula);
    connect(formulaDeleteButton, &QToolButton::clicked, this, &OptionsDialog::deleteFormula);
    connect(helpButton, &QPushButton::clicked, this, &OptionsDialog::showFormulaHelp);
    connect(defaultButton, &QPushButton::clicked, this, &OptionsDialog::applyAsDefault);
    connect(okButton, &QPushButton::clicked, this, &OptionsDialog::applyAndClose);
    connect(cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);

    redrawTimer = new QTimer(this);
    redrawTimer->setObjectName("Tim");
    redrawTimer->setInterval(100);
    redrawTimer->setSingleShot(true);
    connect(redrawTimer, &QTimer::timeout, this, &OptionsDialog::redrawRequested);
}

void OptionsDialog::showEvent(QShowEvent* event)
{
    load();
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void OptionsDialog::load()
{
    LoadingEditors = true;
    const FontSettings& fonts = Document->fonts();
    setFont(ToQFont(fonts.ProgramFont));
    const QStringList families = QFontDatabase::families();
    for (int i = 0; i < FontSettings::Count; ++i) {
        const FontSpec& stored = fonts.At(i);
        FontRow& row = fontRows[i];
        row.face->clear();
        row.face->addItems(families);
        int face = row.face->findText(ToQ(stored.Name), Qt::MatchFixedString);
        if (face < 0 && !stored.Name.empty())
            face = addMissingFace(row.face, ToQ(stored.Name));
        row.face->setCurrentIndex(face);
        row.size->setText(QString::number(stored.Size));
        row.color->SetColorValue(stored.Color);
        row.bold->setChecked(stored.Bold);
        row.italic->setChecked(stored.Italic);
    }
    subscriptsPosition->setText(QString::number(fonts.SubscriptsPosition));

    const std::vector<std::string>& names = Document->document().cells().front();
    itemList->clear();
    for (const std::string& line : Document->document().options().ItemLines)
        itemList->addItem(ToQ(line));
    // Targets come from the grid as it is; columns added here appear at the next showing.
    formulaTarget->clear();
    for (const std::string& name : names)
        formulaTarget->addItem(ToQ(FormulaTargetOf(name)));
    formulaList->clear();
    for (const std::string& line : Document->formulas())
        formulaList->addItem(ToQ(line));
    LoadingEditors = false;
    loadItemEditors();
    loadFormulaEditors();
}

int OptionsDialog::addMissingFace(QComboBox* box, const QString& name) const
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
    box->setItemData(index,
                     QString::fromUtf8(Texts::MissingFaceHint.In(Document->language()))
                         .arg(QFontInfo(QFont(name)).family()),
                     Qt::ToolTipRole);
    return index;
}

// ---- Column items ----

void OptionsDialog::loadItemEditors()
{
    const bool wasLoading = std::exchange(LoadingEditors, true);
    if (const QListWidgetItem* entry = itemList->currentItem()) {
        const GridItem item = ParseItemLine(ToStd(entry->text()));
        itemName->setText(ToQ(item.Name));
        const int type = item.Type - '0';
        itemType->setCurrentIndex(type >= 0 && type < itemType->count() ? type : -1);
        itemWidth->setText(QString::number(item.Width));
    } else {
        // No entry: the editors show nothing that could be mistaken for one.
        itemName->clear();
        itemType->setCurrentIndex(-1);
        itemWidth->setText(QStringLiteral("100"));
    }
    LoadingEditors = wasLoading;
}

void OptionsDialog::showItem()
{
    loadItemEditors();
}

void OptionsDialog::itemEdited()
{
    QListWidgetItem* entry = itemList->currentItem();
    if (LoadingEditors || !entry)
        return;
    // A type code the list does not know (from a damaged file) stays as it was.
    const char type = itemType->currentIndex() >= 0 ? static_cast<char>('0' + itemType->currentIndex())
                                                    : ParseItemLine(ToStd(entry->text())).Type;
    entry->setText(itemName->text() + QLatin1Char(':') + QLatin1Char(type) + QLatin1Char('=') +
                   itemWidth->text());
}

void OptionsDialog::moveItemUp()
{
    MoveEntry(itemList, -1);
    loadItemEditors();
}

void OptionsDialog::moveItemDown()
{
    MoveEntry(itemList, 1);
    loadItemEditors();
}

void OptionsDialog::addItem()
{
    AppendEntry(itemList, QString::fromLatin1(NewItemLine));
    loadItemEditors();
}

void OptionsDialog::deleteItem()
{
    DeleteEntry(itemList);
    loadItemEditors();
}

// ---- Formulas ----

void OptionsDialog::loadFormulaEditors()
{
    const bool wasLoading = std::exchange(LoadingEditors, true);
    if (const QListWidgetItem* entry = formulaList->currentItem()) {
        const auto [target, expression] = SplitFormulaLine(ToStd(entry->text()));
        formulaTarget->setCurrentIndex(formulaTarget->findText(ToQ(target), Qt::MatchFixedString));
        formulaExpression->setText(ToQ(expression));
    } else {
        formulaTarget->setCurrentIndex(-1);
        formulaExpression->clear();
    }
    LoadingEditors = wasLoading;
    showReading();
}

// The operator order is not the one of school arithmetic ("*" before "/", "+" before
// "-"), so the expression is shown with the parentheses it implies as it is typed.
void OptionsDialog::showReading()
{
    const QString expression = formulaExpression->text();
    const QString reading = ToQ(ReadingOfExpression(ToStd(expression)));
    formulaReading->setText(expression.trimmed().isEmpty()
                                ? QString()
                                : QString::fromUtf8(Texts::FormulaReadingLabel.In(Document->language())) +
                                      QChar(0x2066) + reading + QChar(0x2069)); // left to right in Farsi too
    formulaReading->setToolTip(reading);
}

void OptionsDialog::showFormula()
{
    loadFormulaEditors();
}

void OptionsDialog::formulaEdited()
{
    QListWidgetItem* entry = formulaList->currentItem();
    if (LoadingEditors || !entry)
        return;
    showReading();
    // A target that names no current column is kept rather than blanked, so editing the
    // expression of such a formula does not lose its target.
    const std::string target = formulaTarget->currentIndex() >= 0
                                   ? ToStd(formulaTarget->currentText())
                                   : SplitFormulaLine(ToStd(entry->text())).first;
    entry->setText(ToQ(JoinFormulaLine(target, ToStd(formulaExpression->text()))));
}

void OptionsDialog::addFormula()
{
    AppendEntry(formulaList, ToQ(JoinFormulaLine(ToStd(formulaTarget->itemText(0)), "b*c")));
    loadFormulaEditors();
}

void OptionsDialog::deleteFormula()
{
    DeleteEntry(formulaList);
    loadFormulaEditors();
}

void OptionsDialog::showFormulaHelp()
{
    QString text = formulaHelp->text();
    ShowMessageBox({text.replace(QLatin1Char('\n'), QLatin1Char('\r')), MessageKind::Information, ButtonOk,
                    Document->language()},
                   ToQFont(Document->fonts().ProgramFont), this);
}

// ---- Closing ----

void OptionsDialog::applyAndClose()
{
    applySettings();
    accept();
}

void OptionsDialog::applyAsDefault()
{
    applySettings();
    done(DefaultResult);
}

void OptionsDialog::applySettings()
{
    DocumentOptions options;
    options.Fonts = Document->fonts();
    applyFontRows(options.Fonts);
    options.Fonts.SubscriptsPosition = NumberIn(subscriptsPosition, 0, options.Fonts.SubscriptsPosition);
    options.ItemLines = LinesOf(itemList);
    options.Formulas = LinesOf(formulaList);
    // The window, the grid and the menu take the fonts at once; the reaction line is drawn
    // again once the dialog is gone and the window repaints.
    Document->applyOptions(options);
    redrawTimer->start();
    lineHeightProbe->setFont(ToQFont(options.Fonts.GridFont));
    emit settingsApplied(lineHeightProbe->fontMetrics().height() + 7);
}

void OptionsDialog::applyFontRows(FontSettings& fonts) const
{
    for (int i = 0; i < FontSettings::Count; ++i) {
        FontSpec& stored = fonts.At(i);
        const FontRow& row = fontRows[i];
        if (row.face->currentIndex() >= 0)
            stored.Name = ToStd(row.face->currentText());
        stored.Size = NumberIn(row.size, 1, stored.Size);
        // A colour the box does not list stays as the document had it.
        stored.Color = row.color->SelectedColor().value_or(stored.Color);
        stored.Bold = row.bold->isChecked();
        stored.Italic = row.italic->isChecked();
    }
}
