// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/grid/CellDelegate.h"

#include "core/ChargeNotation.h"
#include "grid/GridItems.h"
#include "grid/NumberFit.h"
#include "model/GridModel.h"
#include "render/CodePageValidator.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

namespace {
// The width the style leaves for a cell's text: its text rectangle less the margins.
int TextRoom(const QStyleOptionViewItem& option)
{
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget).width() - 2 * margin;
}
} // namespace

CellDelegate::CellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        const int col = index.column();
        const int row = index.row() + 1;
        line->installEventFilter(const_cast<CellDelegate*>(this));
        // What is pasted, too.
        line->setValidator(new CodePageValidator(line, CellSeparators, [this](const QString&) {
            emit const_cast<CellDelegate*>(this)->separatorDropped();
        }));
        // The column's type decides the keys; the options that change it are not open meanwhile.
        if (const auto* model = qobject_cast<const GridModel*>(index.model()))
            line->setProperty("stoikonType", QChar(model->typeCodeOf(col)));
        QObject::connect(line, &QLineEdit::textEdited, this, [this, col, row](const QString& text) {
            emit const_cast<CellDelegate*>(this)->cellTextEdited(col, row, text);
        });
    }
    return editor;
}

bool CellDelegate::eventFilter(QObject* object, QEvent* event)
{
    // While a warning about the typed text is up, losing the focus to it does not end the
    // edit; the focus comes back to the editor with the window.
    if (event->type() == QEvent::FocusOut && HoldingEditor)
        return false;
    const QVariant typeCode = object->property("stoikonType");
    if (event->type() == QEvent::KeyPress && typeCode.isValid()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const char type = static_cast<char>(typeCode.toChar().unicode());
        const QString text = key->text();
        // Enter, Escape and Tab keep ending the edit as in every other table.
        const bool navigation = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                                key->key() == Qt::Key_Escape || key->key() == Qt::Key_Tab ||
                                key->key() == Qt::Key_Backtab;
        if (!navigation && !text.isEmpty()) {
            for (char32_t ch : text.toUcs4()) {
                if (!GridKeyAccepts(type, ch))
                    return true; // discarded
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

QColor CellDelegate::workedOutColor(const QPalette& palette)
{
    // A grey-blue with a contrast of at least 6.5:1 to a white or a near-black background.
    return palette.color(QPalette::Base).lightness() >= 128 ? QColor(0x2E, 0x5A, 0x88)
                                                            : QColor(0x8D, 0xB4, 0xE2);
}

void CellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.data(GridModel::WorkedOutRole).toBool()) {
        option->font.setItalic(true);
        option->fontMetrics = QFontMetrics(option->font);
        option->palette.setColor(QPalette::Text, workedOutColor(option->palette));
    }
    if (option->text.isEmpty())
        return;
    // Shown as the document shows it (document/ShownCells): numbers to the sheet's figures
    // and right-aligned, formulas with their counts lowered and charges raised.
    option->text = index.data(GridModel::ShownTextRole).toString();
    const bool number = index.data(GridModel::NumberRole).toBool();
    if (number)
        option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter | Qt::AlignAbsolute;
    // In the Farsi table a formula with a charge reads left to right, right-aligned as
    // every cell there, so that Fe^3+ does not show as +Fe^3.
    if (option->direction == Qt::RightToLeft && IsChargedFormulaText(index.data().toString().toStdString())) {
        option->displayAlignment = QStyle::visualAlignment(Qt::RightToLeft, option->displayAlignment);
        option->direction = Qt::LeftToRight;
    }
    // Measured in fractions of a pixel as the style lays the text out: a text a fraction
    // too wide is wrapped at its decimal point and cut to "0…" by the style.
    const QFontMetricsF metrics(option->font);
    // A given amount's note (what is left over, the yield) follows its value.
    const QString note = index.data(GridModel::NoteRole).toString();
    const QString suffix = note.isEmpty() ? QString() : QStringLiteral("  (") + note + QLatin1Char(')');
    const double room = TextRoom(*option) - metrics.horizontalAdvance(suffix);
    const auto fits = [&metrics, room](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text)) <= room;
    };
    option->text = QString::fromStdString(FitNumberText(option->text.toStdString(), fits)) + suffix;
}

QStyleOptionViewItem CellDelegate::shownOption(const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const
{
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    return shown;
}

bool CellDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                             const QModelIndex& index)
{
    if (event && event->type() == QEvent::ToolTip && index.isValid()) {
        // A cell that shows less than its text, rounded or cut, has its full text as tooltip.
        const QStyleOptionViewItem shown = shownOption(option, index);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (shown.text != text || QFontMetricsF(shown.font).horizontalAdvance(text) > TextRoom(shown)) {
            QToolTip::showText(event->globalPos(), text, view->viewport(), option.rect);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
