// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu/MenuStyle.h"

#include "render/FontConvert.h"
#include "ui/dialogs/ShapedCaption.h"
#include "ui/menu/MenuMetrics.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {
using namespace MenuMetrics;

// Measured as it is drawn: one string, without its "&".
int CaptionWidth(const QFont& font, const QString& caption, const QStyleOption* option, const QWidget* widget)
{
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    if (widget) {
        scratch.setDotsPerMeterX(qRound(widget->logicalDpiX() / 0.0254));
        scratch.setDotsPerMeterY(qRound(widget->logicalDpiY() / 0.0254));
    }
    QPainter painter(&scratch);
    painter.setFont(font);
    painter.setLayoutDirection(option->direction);
    const int flags = Qt::AlignAbsolute | Qt::AlignLeft | Qt::TextSingleLine;
    return painter.boundingRect(QRect(0, 0, 10000, 1000), flags, SplitAccelerator(caption).Text).width();
}

// Qt adds the widest shortcut of a menu to the widest item after measuring; the items
// are measured with their shortcut already, so that share is taken off here.
int QtShortcutColumn(const QMenu* menu)
{
    int widest = 0;
    const QFontMetrics metrics = menu->fontMetrics();
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible() || action->shortcut().isEmpty())
            continue;
        widest = std::max(widest,
                          metrics.horizontalAdvance(action->shortcut().toString(QKeySequence::NativeText)));
    }
    return widest;
}

class MenuProxyStyle : public QProxyStyle
{
  public:
    MenuProxyStyle(MenuStyle* painter, const QString& baseStyle) : QProxyStyle(baseStyle), Painter(painter) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth:
            return 1;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuBarItemSpacing:
        case PM_MenuBarHMargin:
        case PM_MenuBarVMargin:
        case PM_MenuBarPanelWidth:
        case PM_MenuDesktopFrameWidth:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (!item)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        const QFontMetrics metrics(Painter->menuFont());
        if (type == CT_MenuBarItem) {
            const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
            return {CaptionWidth(Painter->menuFont(), item->text, option, widget) + BarItemExtraWidth,
                    std::max(base.height(), metrics.height() + TextRowExtraHeight)};
        }
        if (type == CT_Menu)
            return size;
        if (type != CT_MenuItem)
            return QProxyStyle::sizeFromContents(type, option, size, widget);

        // Qt gives a separator without width no place at all.
        if (item->menuItemType == QStyleOptionMenuItem::Separator)
            return {1, SeparatorHeight};
        const QString caption = item->text.section(QLatin1Char('\t'), 0, 0);
        const QString shortCut = item->text.section(QLatin1Char('\t'), 1);
        int width = CaptionWidth(Painter->menuFont(), caption, option, widget) + ItemExtraWidth;
        if (!shortCut.isEmpty())
            width += ShortcutGap + metrics.horizontalAdvance(shortCut);
        int height = item->maxIconWidth > 0 ? RowHeight : metrics.height() + TextRowExtraHeight;
        Painter->measureItem(widget, caption, width, height);
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            width -= QtShortcutColumn(menu);
        return {std::max(width, 1), height};
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        switch (element) {
        case PE_PanelMenu:
            painter->fillRect(option->rect, Painter->colorOf(Painter->BackColor, option->palette));
            return;
        case PE_PanelMenuBar:
            painter->fillRect(option->rect, Painter->colorOf(Painter->MenuBarColor, option->palette));
            return;
        case PE_FrameMenu:
            painter->save();
            painter->setPen(option->palette.color(QPalette::Mid));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        switch (element) {
        case CE_MenuEmptyArea:
            painter->fillRect(option->rect, Painter->colorOf(Painter->BackColor, option->palette));
            return;
        case CE_MenuBarEmptyArea:
            painter->fillRect(option->rect, Painter->colorOf(Painter->MenuBarColor, option->palette));
            return;
        case CE_MenuItem:
        case CE_MenuBarItem:
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                Painter->drawItem(*painter, ItemPaint(element == CE_MenuBarItem, *item, painter, widget),
                                  option->palette);
                return;
            }
            break;
        default:
            break;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

  private:
    static MenuItemPaint ItemPaint(bool menuBarItem, const QStyleOptionMenuItem& option, QPainter* painter,
                                   const QWidget* widget)
    {
        MenuItemPaint item;
        item.Rect = option.rect;
        item.MenuBarItem = menuBarItem;
        item.RightToLeft = option.direction == Qt::RightToLeft;
        item.HasImages = !menuBarItem && option.maxIconWidth > 0;
        item.ImageSize = ImageSize;
        item.Enabled = option.state & State_Enabled;
        item.Checked = option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked;
        item.DefaultItem = option.menuItemType == QStyleOptionMenuItem::DefaultItem;
        item.Separator = option.menuItemType == QStyleOptionMenuItem::Separator;
        item.Caption = option.text.section(QLatin1Char('\t'), 0, 0);
        item.ShortCut = MenuStyle::shortcutText(option.text.section(QLatin1Char('\t'), 1));
        if (menuBarItem) {
            // An open menu is selected; so is the item the keyboard has reached.
            item.Selected = (option.state & State_Sunken) ||
                            ((option.state & State_Selected) && widget && widget->hasFocus());
        } else {
            item.Selected = option.state & State_Selected;
        }
        if (item.HasImages && !option.icon.isNull()) {
            // A disabled item's icon looks like an enabled one's.
            const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
            QImage icon = option.icon.pixmap(QSize(ImageSize, ImageSize), ratio, QIcon::Normal).toImage();
            item.Icon = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        return item;
    }

    MenuStyle* Painter;
};

// Fills and outlines r (inclusive of its last row and column) as a rectangle or a
// rectangle with rounded corners whose corner ellipse is cx by cy.
void DrawShape(QPainter& painter, SelectionShape shape, const QRect& r, int cx, int cy)
{
    if (r.width() < 1 || r.height() < 1)
        return;
    const QRectF outline(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() - 1);
    if (shape == SelectionShape::Rectangle)
        painter.drawRect(outline);
    else
        painter.drawRoundedRect(outline, cx / 2.0, cy / 2.0, Qt::AbsoluteSize);
}
} // namespace

MenuStyle::MenuStyle(QMainWindow* owner) : QObject(owner), OwnerWindow(owner)
{
    Style = new MenuProxyStyle(this, QApplication::style()->name());
    Style->setParent(this);
    // The menu bar and every menu the window has now.
    Painted.emplace_back(owner->menuBar());
    for (QMenu* menu : owner->findChildren<QMenu*>())
        Painted.emplace_back(menu);
    for (const QPointer<QWidget>& widget : Painted) {
        widget->setStyle(Style);
        widget->setFont(MenuFont);
    }
    followOwnerDirection();
    owner->installEventFilter(this);
}

MenuStyle::~MenuStyle()
{
    // The widgets must not keep a style that is about to go.
    for (const QPointer<QWidget>& widget : Painted)
        if (widget)
            widget->setStyle(nullptr);
}

void MenuStyle::setMenuFont(const QFont& font)
{
    MenuFont = font;
    // A font change makes Qt measure the items again.
    for (const QPointer<QWidget>& widget : Painted)
        if (widget)
            widget->setFont(MenuFont);
}

void MenuStyle::setMeasureItem(QAction* item, MeasureHandler handler)
{
    if (item)
        MeasureHandlers.insert(item, std::move(handler));
}

void MenuStyle::measureItem(const QWidget* menu, const QString& caption, int& width, int& height) const
{
    if (MeasureHandlers.isEmpty() || !menu)
        return;
    // The style option names no action; the item is found by its caption in its menu.
    for (QAction* action : menu->actions()) {
        const auto handler = MeasureHandlers.constFind(action);
        if (handler != MeasureHandlers.constEnd() && action->isVisible() && action->text() == caption) {
            (*handler)(action, width, height);
            return;
        }
    }
}

QColor MenuStyle::colorOf(ColorValue value, const QPalette& palette) const
{
    return ToQColor(value, palette);
}

void MenuStyle::repaint()
{
    for (const QPointer<QWidget>& widget : Painted)
        if (widget)
            widget->update();
}

bool MenuStyle::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == OwnerWindow && event->type() == QEvent::LayoutDirectionChange)
        followOwnerDirection();
    return QObject::eventFilter(watched, event);
}

void MenuStyle::followOwnerDirection()
{
    // Drop-down menus are windows of their own and do not inherit the direction.
    for (const QPointer<QWidget>& widget : Painted)
        if (widget)
            widget->setLayoutDirection(OwnerWindow->layoutDirection());
}

QImage MenuStyle::raisedIcon(const QImage& icon, const QColor& shadow, int shadowPosX, int shadowPosY)
{
    QImage raised = icon.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&raised);
    // Every pixel the icon covers takes the shadow colour, keeping its coverage.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(0, 0), raised.deviceIndependentSize()), shadow);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPointF(-shadowPosX, -shadowPosY), icon);
    return raised;
}

QString MenuStyle::shortcutText(const QString& nativeText)
{
    if (nativeText.isEmpty())
        return QString();
    const QKeySequence sequence(nativeText, QKeySequence::NativeText);
    if (sequence.isEmpty())
        return nativeText;
    const QKeyCombination combination = sequence[0];
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    QString text;
    if (modifiers & Qt::ShiftModifier)
        text += QStringLiteral("Shift+");
    if (modifiers & Qt::ControlModifier)
        text += QStringLiteral("Ctrl+");
    if (modifiers & Qt::AltModifier)
        text += QStringLiteral("Alt+");
    return text + QKeySequence(combination.key()).toString(QKeySequence::NativeText);
}

void MenuStyle::drawItem(QPainter& painter, const MenuItemPaint& item, const QPalette& palette) const
{
    const QRect& r = item.Rect;
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width(); // exclusive, as the edges below count
    const int bottom = r.top() + r.height();
    const bool rtl = item.RightToLeft;
    int textLeft = left;
    int textTop = top;
    int textRight = right;
    const int textBottom = bottom;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    painter.fillRect(r, colorOf(item.MenuBarItem ? MenuBarColor : BackColor, palette));

    // The icon column, in the button-face colour even for an item without an icon.
    const bool images = !item.MenuBarItem && item.HasImages;
    const int column = images ? item.ImageSize + (IconColumn - ImageSize) : TextMargin;
    if (images) {
        const QRect strip =
            rtl ? QRect(right - column, top, column, r.height()) : QRect(left, top, column, r.height());
        painter.fillRect(strip, colorOf(ImageBackColor, palette));
        (rtl ? textRight : textLeft) += rtl ? -column : column;
    }

    if (item.MenuBarItem) {
        (rtl ? textRight : textLeft) += rtl ? -BarCaptionIndent : BarCaptionIndent;
    } else if (!rtl) {
        textLeft += images ? CaptionGap : TextMargin;
        textRight -= TextMargin;
    } else {
        textRight -= images ? CaptionGap : TextMargin;
        textLeft += TextMargin;
    }

    if (item.Selected) {
        painter.setPen(colorOf(SelectedBorderColor, palette));
        painter.setBrush(colorOf(SelectedBackColor, palette));
        DrawShape(painter, Selection, r, CurvatureX, CurvatureY);
    }

    if (images && !item.Icon.isNull() && !item.Separator) {
        const QPoint at = rtl ? QPoint(right - column + 1, top + 1) : QPoint(left + 1, top + 1);
        if (item.Selected && ShowImageShadow)
            painter.drawImage(at,
                              raisedIcon(item.Icon, colorOf(ShadowColor, palette), ShadowPosX, ShadowPosY));
        else
            painter.drawImage(at, item.Icon);
    }

    if (item.Checked) {
        const QColor check = colorOf(item.Selected ? SelectedCheckColor : CheckColor, palette);
        painter.setPen(check);
        // Over an icon column the box is hollow, so the icon shows through.
        if (images)
            painter.setBrush(Qt::NoBrush);
        else
            painter.setBrush(check);
        const int boxWidth = images ? column : 8;
        const QRect box(left + 1, top + 1, boxWidth - 2, r.height() - 2);
        DrawShape(painter, Selection, QStyle::visualRect(rtl ? Qt::RightToLeft : Qt::LeftToRight, r, box),
                  CurvatureX, CurvatureY);
    }

    // Texts on the painter's own grounds (the white drop-downs, the light-blue selection)
    // stay readable when the desktop's colour scheme is dark.
    const QColor ground = colorOf(item.Selected      ? SelectedBackColor
                                  : item.MenuBarItem ? MenuBarColor
                                                     : BackColor,
                                  palette);
    const QPalette onGround = PaletteOnGround(ground, palette);

    if (item.Separator) {
        painter.setPen(colorOf(LineColor, onGround));
        const int y = textTop / 2 + textBottom / 2;
        // From the caption column to the far edge of the menu.
        if (rtl)
            painter.drawLine(textLeft - TextMargin, y, textRight - 1, y);
        else
            painter.drawLine(textLeft, y, textRight + TextMargin - 1, y);
        painter.restore();
        return;
    }

    QFont font = MenuFont;
    if (item.DefaultItem)
        font.setBold(true);
    painter.setFont(font);
    painter.setPen(colorOf(!item.Enabled   ? DisableTextColor
                           : item.Selected ? SelectedTextColor
                                           : TextColor,
                           onGround));
    painter.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(font);
    textTop += (textBottom - textTop - metrics.height()) / 2;
    const QRect textRect(QPoint(textLeft, textTop), QPoint(textRight - 1, textBottom - 1));
    const int flags = Qt::AlignAbsolute | Qt::AlignTop | Qt::TextSingleLine;
    painter.setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    DrawShapedCaption(painter, textRect,
                      flags | Qt::TextShowMnemonic | (rtl ? Qt::AlignRight : Qt::AlignLeft), item.Caption);
    if (!item.ShortCut.isEmpty())
        painter.drawText(textRect, flags | (rtl ? Qt::AlignLeft : Qt::AlignRight), item.ShortCut);
    painter.restore();
}
