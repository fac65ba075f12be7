// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The painter of the main window's menus: flat white drop-downs with an icon column, a
// rounded light-blue selection with an outline over the whole row, icons that rise over a
// one-pixel shadow when their item is selected, separators through the middle of their
// row and shortcut texts at the far side, all mirrored in a right-to-left interface.
//
// It works as a style installed on the owner's menu bar and on the menus that exist when
// it is made; menus made later keep the ordinary look. Every measurement and drawing call
// starts from the item's current caption, icon, shortcut and state, so nothing is cached.

#include "document/FontSettings.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMainWindow;
class QPainter;
class QPalette;
class QProxyStyle;
class QWidget;

enum class SelectionShape : unsigned char
{
    Rectangle = 0,
    RoundedRectangle = 1
};

// What the drawing routine needs to know of one item.
struct MenuItemPaint
{
    QRect Rect;
    bool MenuBarItem = false; // a top-level item of the menu bar
    bool RightToLeft = false;
    bool HasImages = false; // the item's menu shows icons, so it has an icon column
    int ImageSize = 24;
    QImage Icon; // null when the item has no icon
    bool Selected = false;
    bool Enabled = true;
    bool Checked = false;
    bool DefaultItem = false;
    bool Separator = false;
    QString Caption;  // "&" marks the underlined letter
    QString ShortCut; // "Ctrl+N", "Shift+F1"; empty when none
};

class MenuStyle : public QObject
{
    Q_OBJECT

  public:
    explicit MenuStyle(QMainWindow* owner);
    ~MenuStyle() override;

    ColorValue BackColor = 0x00FFFFFF;
    ColorValue ImageBackColor = SystemColor(15);   // button face
    ColorValue LineColor = SystemColor(17);        // grey text
    ColorValue TextColor = SystemColor(7);         // menu text
    ColorValue DisableTextColor = SystemColor(17); // grey text
    ColorValue ShadowColor = SystemColor(21);      // 3-D dark shadow
    ColorValue CheckColor = SystemColor(21);
    ColorValue MenuBarColor = SystemColor(15);
    ColorValue SelectedBackColor = SystemColor(29); // menu highlight
    ColorValue SelectedBorderColor = SystemColor(21);
    ColorValue SelectedTextColor = SystemColor(14); // highlight text
    ColorValue SelectedCheckColor = SystemColor(21);
    SelectionShape Selection = SelectionShape::RoundedRectangle;
    int CurvatureX = 3;
    int CurvatureY = 3;
    int ShadowPosX = 1; // how far a raised icon moves left of its shadow
    int ShadowPosY = 1; // and up
    bool ShowImageShadow = true;

    const QFont& menuFont() const { return MenuFont; }
    // Takes a copy; the painted menus are measured again with it.
    void setMenuFont(const QFont& font);

    QMainWindow* owner() const { return OwnerWindow; }

    // A measure handler may change the width and height of one item before its menu is
    // laid out; a menu is as wide as its widest item.
    using MeasureHandler = std::function<void(QAction* item, int& width, int& height)>;
    void setMeasureItem(QAction* item, MeasureHandler handler);
    void measureItem(const QWidget* menu, const QString& caption, int& width, int& height) const;

    // The drawing routine for one item.
    void drawItem(QPainter& painter, const MenuItemPaint& item, const QPalette& palette) const;

    QColor colorOf(ColorValue value, const QPalette& palette) const;

    // Redraws the painted menus after a change of the properties.
    void repaint();

    // The icon of a selected item: the icon moved up and left over its silhouette in
    // ShadowColor, the silhouette made from the icon's alpha channel.
    static QImage raisedIcon(const QImage& icon, const QColor& shadow, int shadowPosX, int shadowPosY);

    // The platform's shortcut text with the modifiers in the order Shift+, Ctrl+, Alt+.
    static QString shortcutText(const QString& nativeText);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void followOwnerDirection();

    QMainWindow* OwnerWindow;
    QProxyStyle* Style;
    QFont MenuFont;
    std::vector<QPointer<QWidget>> Painted; // the menu bar and the menus it paints
    QHash<const QAction*, MeasureHandler> MeasureHandlers;
};
