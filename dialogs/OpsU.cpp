// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/OpsU.h"

#include "dialogs/ColorBox.h"
#include "dialogs/MessageBox.h"
#include "document/DocumentModel.h"
#include "editor/FontConvert.h"
#include "grid/CodePageValidator.h"
#include "grid/GridItems.h"
#include "grid/GridModel.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace {
const char* const TypeNames[] = {"Text",          "Integer",          "Real", "Substance Number",
                                 "Atomic Weight", "Substance Formula"};
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

TOpsForm::TOpsForm(DocumentModel* document, QWidget* parent) : QDialog(parent), Document(document)
{
    setObjectName("OpsForm");
    setFixedSize(521, 351);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    PageControl = Add<QTabWidget>(this, "PageControl", 8, 8, 505, 303);
    CreateFontsPage();
    CreateGridPage();
    CreateButtons();

    Tim = new QTimer(this);
    Tim->setObjectName("Tim");
    Tim->setInterval(100);
    Tim->setSingleShot(true);
    connect(Tim, &QTimer::timeout, this, &TOpsForm::TimTimer);
    Recaption(Language::English);
}

QToolButton* TOpsForm::GlyphButton(QWidget* parent, const char* name, const char* glyph, int x, int y, int w,
                                   int h)
{
    auto* button = Add<QToolButton>(parent, name, x, y, w, h);
    button->setIcon(QIcon(QString::fromLatin1(glyph)));
    return button;
}

void TOpsForm::CreateFontsPage()
{
    Fonts = new QWidget;
    Fonts->setObjectName("Fonts");
    Fonts->installEventFilter(this);
    PageControl->addTab(Fonts, QString());

    // Object names by row: program, grid, reaction, numbers, subscripts.
    static const char* const letters[] = {"P", "G", "R", "N", "S"};
    static const char* const titles[] = {"Label1", "Label6", "Label10", "Label14", "Label18"};
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    for (int i = 0; i < 5; ++i) {
        TFontRow& row = FontRows[i];
        const QString prefix = QStringLiteral("F") + letters[i] + "F";
        const int y = 6 + 48 * i;
        row.Title = new QLabel(Fonts);
        row.Title->setObjectName(titles[i]);
        Place(row.Title, 8, y, 300, 16);
        // The controls of a row sit in one box so the labels take the width their text
        // needs in either language and the box mirrors itself in a right-to-left dialog.
        auto* line = new QWidget(Fonts);
        Place(line, 8, y + 18, 490, 23);
        auto* box = new QHBoxLayout(line);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(2);
        row.NameLabel = new QLabel(line);
        row.Face = new QComboBox(line);
        row.Face->setObjectName(prefix + "N");
        row.Face->setFixedSize(145, 23);
        row.SizeLabel = new QLabel(line);
        row.Size = new QLineEdit(line);
        row.Size->setObjectName(prefix + "S");
        row.Size->setValidator(digits);
        row.Size->setFixedSize(33, 23);
        row.Bold = new QToolButton(line);
        row.Bold->setObjectName(prefix + "B");
        row.Bold->setIcon(QIcon(QStringLiteral(":/glyphs/bold.png")));
        row.Italic = new QToolButton(line);
        row.Italic->setObjectName(prefix + "I");
        row.Italic->setIcon(QIcon(QStringLiteral(":/glyphs/italic.png")));
        for (QToolButton* toggle : {row.Bold, row.Italic}) {
            toggle->setCheckable(true);
            toggle->setFixedSize(23, 23);
        }
        row.ColorLabel = new QLabel(line);
        row.Color = new TColorBox(line);
        row.Color->setObjectName(prefix + "C");
        row.Color->setFixedSize(145, 23);
        box->addWidget(row.NameLabel);
        box->addWidget(row.Face);
        box->addSpacing(3);
        box->addWidget(row.SizeLabel);
        box->addWidget(row.Size);
        box->addWidget(row.Bold);
        box->addWidget(row.Italic);
        box->addSpacing(3);
        box->addWidget(row.ColorLabel);
        box->addWidget(row.Color);
        box->addStretch(1);
    }
    Label21 = Add<QLabel>(Fonts, "Label21", 8, 252, 140, 16);
    FSbP = Add<QLineEdit>(Fonts, "FSbP", 150, 248, 33, 23);
    FSbP->setValidator(digits);
}

void TOpsForm::CreateGridPage()
{
    Grd = new QWidget;
    Grd->setObjectName("Grd");
    Grd->installEventFilter(this);
    PageControl->addTab(Grd, QString());

    // Left half: the column items.
    Label23 = Add<QLabel>(Grd, "Label23", 8, 6, 170, 16);
    GIList = Add<QListWidget>(Grd, "GIList", 8, 24, 177, 153);
    GIUp = GlyphButton(Grd, "GIUp", ":/glyphs/up.png", 189, 24, 24, 24);
    GIDown = GlyphButton(Grd, "GIDown", ":/glyphs/down.png", 189, 50, 24, 24);
    GINew = GlyphButton(Grd, "GINew", ":/glyphs/add.png", 189, 84, 24, 24);
    GIDelete = GlyphButton(Grd, "GIDelete", ":/glyphs/delete.png", 189, 110, 24, 24);
    Label24 = Add<QLabel>(Grd, "Label24", 8, 188, 44, 16);
    GIName = Add<QLineEdit>(Grd, "GIName", 54, 184, 159, 23);
    // ":" ends the name in the item line and "=" ends a formula target, so neither
    // could come back out of a name.
    GIName->setValidator(new TCodePageValidator(this, QStringLiteral(":=")));
    Label25 = Add<QLabel>(Grd, "Label25", 8, 215, 44, 16);
    GIType = Add<QComboBox>(Grd, "GIType", 54, 211, 159, 23);
    for (const char* name : TypeNames)
        GIType->addItem(QString::fromLatin1(name));
    Label26 = Add<QLabel>(Grd, "Label26", 8, 242, 44, 16);
    GIWidth = Add<QLineEdit>(Grd, "GIWidth", 54, 238, 60, 23);
    GIWidth->setText(QStringLiteral("100"));
    GIWidth->setValidator(FSbP->validator());

    auto* rule = Add<QFrame>(Grd, "Bevel1", 221, 6, 4, 258);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);

    // Right half: the formulas.
    Label27 = Add<QLabel>(Grd, "Label27", 233, 6, 190, 16);
    GFList = Add<QListWidget>(Grd, "GFList", 233, 24, 193, 153);
    GFNew = GlyphButton(Grd, "GFNew", ":/glyphs/add.png", 430, 24, 24, 24);
    GFDelete = GlyphButton(Grd, "GFDelete", ":/glyphs/delete.png", 430, 50, 24, 24);
    GFN1 = Add<QComboBox>(Grd, "GFN1", 233, 184, 193, 23);
    EqualsLabel = Add<QLabel>(Grd, "Label28", 233, 215, 12, 16);
    EqualsLabel->setText(QStringLiteral("="));
    GFN2 = Add<QLineEdit>(Grd, "GFN2", 247, 211, 179, 23);
    GFN2->setValidator(new TCodePageValidator(this));
    HelpBtn = Add<QPushButton>(Grd, "HelpBtn", 233, 238, 75, 25);
    Label29 = new QLabel(Grd);
    Label29->setObjectName("Label29");
    Label29->hide();

    connect(GIList, &QListWidget::currentRowChanged, this, &TOpsForm::GIListClick);
    connect(GIName, &QLineEdit::textChanged, this, &TOpsForm::GINameChange);
    connect(GIType, qOverload<int>(&QComboBox::currentIndexChanged), this, &TOpsForm::GINameChange);
    connect(GIWidth, &QLineEdit::textChanged, this, &TOpsForm::GINameChange);
    connect(GIUp, &QToolButton::clicked, this, &TOpsForm::GIUpClick);
    connect(GIDown, &QToolButton::clicked, this, &TOpsForm::GIDownClick);
    connect(GINew, &QToolButton::clicked, this, &TOpsForm::GINewClick);
    connect(GIDelete, &QToolButton::clicked, this, &TOpsForm::GIDeleteClick);
    connect(GFList, &QListWidget::currentRowChanged, this, &TOpsForm::GFListClick);
    connect(GFN1, qOverload<int>(&QComboBox::currentIndexChanged), this, &TOpsForm::GFN1Change);
    connect(GFN2, &QLineEdit::textChanged, this, &TOpsForm::GFN1Change);
    connect(GFNew, &QToolButton::clicked, this, &TOpsForm::GFNewClick);
    connect(GFDelete, &QToolButton::clicked, this, &TOpsForm::GFDeleteClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TOpsForm::HelpBtnClick);
}

void TOpsForm::CreateButtons()
{
    Def = Add<QPushButton>(this, "Def", 8, 318, 75, 25);
    OK = Add<QPushButton>(this, "OK", 358, 318, 75, 25);
    OK->setDefault(true);
    Cancel = Add<QPushButton>(this, "Cancel", 438, 318, 75, 25);
    ChLbl = new QLabel(QStringLiteral("A"), this);
    ChLbl->setObjectName("ChLbl");
    ChLbl->hide();
    connect(Def, &QPushButton::clicked, this, &TOpsForm::DefClick);
    connect(OK, &QPushButton::clicked, this, &TOpsForm::OKClick);
    connect(Cancel, &QPushButton::clicked, this, &TOpsForm::CancelClick);
}

void TOpsForm::Place(QWidget* widget, int x, int y, int w, int h)
{
    Placed.emplace_back(widget, QRect(x, y, w, h));
    widget->setGeometry(x, y, w, h);
}

void TOpsForm::PlaceAll()
{
    for (const auto& [widget, rect] : Placed) {
        const QWidget* parent = widget->parentWidget();
        widget->setGeometry(QStyle::visualRect(parent->layoutDirection(), parent->rect(), rect));
    }
}

bool TOpsForm::eventFilter(QObject* watched, QEvent* event)
{
    // The pages get their size from the tab widget; mirror their controls again then.
    if (event->type() == QEvent::Resize && (watched == Fonts || watched == Grd))
        PlaceAll();
    return QDialog::eventFilter(watched, event);
}

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
        // A face that is not installed leaves the list without a selection.
        row.Face->setCurrentIndex(row.Face->findText(ToQ(stored.Name), Qt::MatchFixedString));
        row.Size->setText(QString::number(stored.Size));
        row.Color->SetColorValue(stored.Color);
        row.Bold->setChecked(stored.Bold);
        row.Italic->setChecked(stored.Italic);
    }
    FSbP->setText(QString::number(fonts.SubscriptsPosition));

    const GridModel* grid = Document->grid();
    const std::vector<std::string>& names = grid->cells().front();
    GIList->clear();
    for (const std::string& line : ItemLinesOf(names, grid->columnWidths(), grid->typesList()))
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
    Document->setModified(true);
    FontSettings fonts = Document->fonts();
    ApplyFontRows(fonts);
    fonts.SubscriptsPosition = NumberIn(FSbP, 0, fonts.SubscriptsPosition);
    Document->setFonts(fonts); // the window, the grid and the menu take them at once
    // The reaction line is drawn again once the dialog is gone and the window repaints.
    Tim->start();
    ChLbl->setFont(ToQFont(fonts.GridFont));
    const int rowHeight = ChLbl->fontMetrics().height() + 7;
    ApplyColumns();
    Document->setFormulas(LinesOf(GFList));
    emit settingsApplied(rowHeight);
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

void TOpsForm::ApplyColumns()
{
    GridModel* grid = Document->grid();
    std::vector<GridItem> columns;
    std::vector<std::string> types = grid->typesList();
    for (int c = 0; c < grid->gridColumnCount(); ++c)
        columns.push_back({ToStd(grid->cell(c, 0)), grid->typeCodeOf(c), grid->columnWidth(c)});
    ApplyItemLines(LinesOf(GIList), columns, types);
    grid->setTypesList(types);
    grid->setGridColumnCount(static_cast<int>(columns.size()));
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        grid->setCell(c, 0, ToQ(columns[size_t(c)].Name));
        grid->setColumnWidth(c, columns[size_t(c)].Width);
    }
}
