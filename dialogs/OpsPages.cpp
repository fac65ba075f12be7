// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog's controls: its two pages and its buttons, each control at its
// left-to-right place, mirrored in a right-to-left dialog.

#include "dialogs/OpsU.h"

#include "dialogs/ColorBox.h"
#include "grid/CodePageValidator.h"

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
// The type names in type-code order, as the item editor lists them.
const char* const TypeNames[] = {"Text",          "Integer",          "Real", "Substance Number",
                                 "Atomic Weight", "Substance Formula"};
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
        // A face that is not installed shows in italics with its hint, as it does in the list.
        connect(row.Face, qOverload<int>(&QComboBox::currentIndexChanged), row.Face, [face = row.Face] {
            const QString hint = face->currentData(Qt::ToolTipRole).toString();
            QFont marked; // only what it sets; the rest comes from the dialog
            if (!hint.isEmpty())
                marked.setItalic(true);
            face->setFont(marked);
            face->setToolTip(hint);
        });
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
    // could come back out of a name; a comma would split the document's header row.
    GIName->setValidator(
        new TCodePageValidator(this, QStringLiteral(":=") + CellSeparators, [this](const QString& dropped) {
            if (dropped.contains(CellSeparators))
                emit separatorDropped();
        }));
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
