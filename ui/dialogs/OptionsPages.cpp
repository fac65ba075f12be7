// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's controls: its two pages and its buttons, each control at its
// left-to-right place, mirrored in a right-to-left dialog.

#include "ui/dialogs/OptionsPages.h"

#include "model/DocumentModel.h"
#include "render/CodePageValidator.h"
#include "texts/Texts.h"
#include "ui/dialogs/ColorBox.h"
#include "ui/dialogs/Hints.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace {
const LocalText* const FontTitles[] = {&Texts::ProgramFontLabel, &Texts::GridFontLabel,
                                       &Texts::ReactionFontLabel, &Texts::NumbersFontLabel,
                                       &Texts::SubscriptsFontLabel};
const LocalText* const FormulaHelpLines[] = {&Texts::FormulaHelp1, &Texts::FormulaHelp2, &Texts::FormulaHelp3,
                                             &Texts::FormulaHelp4};

// Buttons and lists show the short part of a hint as the tool tip and the long part in a
// status bar, as the main window's controls do.
void SetHint(QWidget* widget, const LocalText& hint, Language lang)
{
    const QString text = hint.In(lang);
    widget->setToolTip(ShortHint(text));
    widget->setStatusTip(LongHint(text));
}

QString FormulaHelpText(Language lang)
{
    QStringList lines;
    for (const LocalText* line : FormulaHelpLines)
        lines << line->In(lang);
    return lines.join(QLatin1Char('\n'));
}

// The type names in type-code order, as the item editor lists them.
const char* const TypeNames[] = {"Text",          "Integer",          "Real", "Substance Number",
                                 "Atomic Weight", "Substance Formula"};
} // namespace

OptionsPages::OptionsPages(DocumentModel* document, QWidget* parent) : QDialog(parent), Document(document)
{
    setObjectName("optionsDialog");
    setFixedSize(521, 351);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    pages = Add<QTabWidget>(this, "PageControl", 8, 8, 505, 303);
    createFontsPage();
    createGridPage();
    createButtons();
    retranslate(document->language());
    connect(document, &DocumentModel::languageChanged, this, &OptionsPages::retranslate);
}

QToolButton* OptionsPages::glyphButton(QWidget* parent, const char* name, const char* glyph, int x, int y,
                                       int w, int h)
{
    auto* button = Add<QToolButton>(parent, name, x, y, w, h);
    button->setIcon(QIcon(QString::fromLatin1(glyph)));
    return button;
}

void OptionsPages::createFontsPage()
{
    fontsPage = new QWidget;
    fontsPage->setObjectName("Fonts");
    fontsPage->installEventFilter(this);
    pages->addTab(fontsPage, QString());

    // Object names by row: program, grid, reaction, numbers, subscripts.
    static const char* const letters[] = {"P", "G", "R", "N", "S"};
    static const char* const titles[] = {"Label1", "Label6", "Label10", "Label14", "Label18"};
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    for (int i = 0; i < 5; ++i) {
        FontRow& row = fontRows[i];
        const QString prefix = QStringLiteral("F") + letters[i] + "F";
        const int y = 6 + 48 * i;
        row.title = new QLabel(fontsPage);
        row.title->setObjectName(titles[i]);
        Place(row.title, 8, y, 300, 16);
        // The controls of a row sit in one box so the labels take the width their text
        // needs in either language and the box mirrors itself in a right-to-left dialog.
        auto* line = new QWidget(fontsPage);
        Place(line, 8, y + 18, 490, 23);
        auto* box = new QHBoxLayout(line);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(2);
        row.nameLabel = new QLabel(line);
        row.face = new QComboBox(line);
        row.face->setObjectName(prefix + "N");
        row.face->setFixedSize(145, 23);
        // A face that is not installed shows in italics with its hint, as it does in the list.
        connect(row.face, qOverload<int>(&QComboBox::currentIndexChanged), row.face, [face = row.face] {
            const QString hint = face->currentData(Qt::ToolTipRole).toString();
            QFont marked; // only what it sets; the rest comes from the dialog
            if (!hint.isEmpty())
                marked.setItalic(true);
            face->setFont(marked);
            face->setToolTip(hint);
        });
        row.sizeLabel = new QLabel(line);
        row.size = new QLineEdit(line);
        row.size->setObjectName(prefix + "S");
        row.size->setValidator(digits);
        row.size->setFixedSize(33, 23);
        row.bold = new QToolButton(line);
        row.bold->setObjectName(prefix + "B");
        row.bold->setIcon(QIcon(QStringLiteral(":/glyphs/bold.png")));
        row.italic = new QToolButton(line);
        row.italic->setObjectName(prefix + "I");
        row.italic->setIcon(QIcon(QStringLiteral(":/glyphs/italic.png")));
        for (QToolButton* toggle : {row.bold, row.italic}) {
            toggle->setCheckable(true);
            toggle->setFixedSize(23, 23);
        }
        row.colorLabel = new QLabel(line);
        row.color = new ColorBox(line);
        row.color->setObjectName(prefix + "C");
        row.color->setFixedSize(145, 23);
        box->addWidget(row.nameLabel);
        box->addWidget(row.face);
        box->addSpacing(3);
        box->addWidget(row.sizeLabel);
        box->addWidget(row.size);
        box->addWidget(row.bold);
        box->addWidget(row.italic);
        box->addSpacing(3);
        box->addWidget(row.colorLabel);
        box->addWidget(row.color);
        box->addStretch(1);
    }
    subscriptsLabel = Add<QLabel>(fontsPage, "Label21", 8, 252, 140, 16);
    subscriptsPosition = Add<QLineEdit>(fontsPage, "FSbP", 150, 248, 33, 23);
    subscriptsPosition->setValidator(digits);
}

void OptionsPages::createGridPage()
{
    gridPage = new QWidget;
    gridPage->setObjectName("Grd");
    gridPage->installEventFilter(this);
    pages->addTab(gridPage, QString());

    // Left half: the column items.
    itemsLabel = Add<QLabel>(gridPage, "Label23", 8, 6, 170, 16);
    itemList = Add<QListWidget>(gridPage, "GIList", 8, 24, 177, 153);
    itemUpButton = glyphButton(gridPage, "GIUp", ":/glyphs/up.png", 189, 24, 24, 24);
    itemDownButton = glyphButton(gridPage, "GIDown", ":/glyphs/down.png", 189, 50, 24, 24);
    itemNewButton = glyphButton(gridPage, "GINew", ":/glyphs/add.png", 189, 84, 24, 24);
    itemDeleteButton = glyphButton(gridPage, "GIDelete", ":/glyphs/delete.png", 189, 110, 24, 24);
    itemNameLabel = Add<QLabel>(gridPage, "Label24", 8, 188, 44, 16);
    itemName = Add<QLineEdit>(gridPage, "GIName", 54, 184, 159, 23);
    // ":" ends the name in the item line and "=" ends a formula target, so neither
    // could come back out of a name; a comma would split the document's header row.
    itemName->setValidator(
        new CodePageValidator(this, QStringLiteral(":=") + CellSeparators, [this](const QString& dropped) {
            if (dropped.contains(CellSeparators))
                emit separatorDropped();
        }));
    itemTypeLabel = Add<QLabel>(gridPage, "Label25", 8, 215, 44, 16);
    itemType = Add<QComboBox>(gridPage, "GIType", 54, 211, 159, 23);
    for (const char* name : TypeNames)
        itemType->addItem(QString::fromLatin1(name));
    itemWidthLabel = Add<QLabel>(gridPage, "Label26", 8, 242, 44, 16);
    itemWidth = Add<QLineEdit>(gridPage, "GIWidth", 54, 238, 60, 23);
    itemWidth->setText(QStringLiteral("100"));
    itemWidth->setValidator(subscriptsPosition->validator());

    auto* rule = Add<QFrame>(gridPage, "Bevel1", 221, 6, 4, 258);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);

    // Right half: the formulas.
    formulasLabel = Add<QLabel>(gridPage, "Label27", 233, 6, 190, 16);
    formulaList = Add<QListWidget>(gridPage, "GFList", 233, 24, 193, 153);
    formulaNewButton = glyphButton(gridPage, "GFNew", ":/glyphs/add.png", 430, 24, 24, 24);
    formulaDeleteButton = glyphButton(gridPage, "GFDelete", ":/glyphs/delete.png", 430, 50, 24, 24);
    formulaTarget = Add<QComboBox>(gridPage, "GFN1", 233, 184, 193, 23);
    equalsLabel = Add<QLabel>(gridPage, "Label28", 233, 215, 12, 16);
    equalsLabel->setText(QStringLiteral("="));
    formulaExpression = Add<QLineEdit>(gridPage, "GFN2", 247, 211, 179, 23);
    formulaExpression->setValidator(new CodePageValidator(this));
    helpButton = Add<QPushButton>(gridPage, "HelpBtn", 233, 238, 75, 25);
    formulaReading = Add<QLabel>(gridPage, "GFReading", 312, 238, 144, 25);
    formulaHelp = new QLabel(gridPage);
    formulaHelp->setObjectName("Label29");
    formulaHelp->hide();
}

void OptionsPages::createButtons()
{
    defaultButton = Add<QPushButton>(this, "Def", 8, 318, 75, 25);
    okButton = Add<QPushButton>(this, "OK", 358, 318, 75, 25);
    okButton->setDefault(true);
    cancelButton = Add<QPushButton>(this, "Cancel", 438, 318, 75, 25);
    lineHeightProbe = new QLabel(QStringLiteral("A"), this);
    lineHeightProbe->setObjectName("ChLbl");
    lineHeightProbe->hide();
}

void OptionsPages::Place(QWidget* widget, int x, int y, int w, int h)
{
    Placed.emplace_back(widget, QRect(x, y, w, h));
    widget->setGeometry(x, y, w, h);
}

void OptionsPages::placeAll()
{
    for (const auto& [widget, rect] : Placed) {
        const QWidget* parent = widget->parentWidget();
        widget->setGeometry(QStyle::visualRect(parent->layoutDirection(), parent->rect(), rect));
    }
}

bool OptionsPages::eventFilter(QObject* watched, QEvent* event)
{
    // The pages get their size from the tab widget; mirror their controls again then.
    if (event->type() == QEvent::Resize && (watched == fontsPage || watched == gridPage))
        placeAll();
    return QDialog::eventFilter(watched, event);
}

void OptionsPages::retranslate(Language lang)
{
    // A dialog is a window of its own and does not follow the main window's direction.
    setLayoutDirection(lang == Language::Farsi ? Qt::RightToLeft : Qt::LeftToRight);
    setWindowTitle(Texts::OptionsTitle.In(lang));
    pages->setTabText(0, Texts::FontsPage.In(lang));
    pages->setTabText(1, Texts::GridPage.In(lang));
    for (int i = 0; i < 5; ++i) {
        fontRows[i].title->setText(FontTitles[i]->In(lang));
        fontRows[i].nameLabel->setText(Texts::NameLabel.In(lang));
        fontRows[i].sizeLabel->setText(Texts::SizeLabel.In(lang));
        fontRows[i].colorLabel->setText(Texts::ColorLabel.In(lang));
    }
    subscriptsLabel->setText(Texts::SubscriptsPositionLabel.In(lang));
    itemsLabel->setText(Texts::ItemsLabel.In(lang));
    itemNameLabel->setText(Texts::NameLabel.In(lang));
    itemTypeLabel->setText(Texts::TypeLabel.In(lang));
    itemWidthLabel->setText(Texts::WidthLabel.In(lang));
    formulasLabel->setText(Texts::FormulasLabel.In(lang));
    defaultButton->setText(Texts::DefaultButton.In(lang));
    okButton->setText(Texts::OkButton.In(lang));
    cancelButton->setText(Texts::CancelButton.In(lang));
    helpButton->setText(Texts::HelpButton.In(lang));

    SetHint(itemUpButton, Texts::MoveUpHint, lang);
    SetHint(itemDownButton, Texts::MoveDownHint, lang);
    SetHint(itemDeleteButton, Texts::DeleteHint, lang);
    SetHint(formulaDeleteButton, Texts::DeleteHint, lang);
    SetHint(itemNewButton, Texts::NewItemHint, lang);
    SetHint(formulaNewButton, Texts::NewItemHint, lang);
    SetHint(okButton, Texts::OkHint, lang);
    SetHint(cancelButton, Texts::CancelHint, lang);
    SetHint(defaultButton, Texts::DefaultHint, lang);
    SetHint(helpButton, Texts::HelpButton, lang);
    SetHint(itemList, Texts::ListHint, lang);
    SetHint(formulaList, Texts::ListHint, lang);

    formulaHelp->setText(FormulaHelpText(lang));
    formulaHelp->setAlignment(lang == Language::Farsi ? Qt::AlignRight | Qt::AlignAbsolute
                                                      : Qt::AlignLeft | Qt::AlignAbsolute);
    placeAll();
}
