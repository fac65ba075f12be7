// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/common/WindowFixture.h"
#include "ui/menu/MenuStyle.h"

#include <QImage>
#include <QMenu>
#include <QObject>
#include <QTest>

#include <memory>

// A started main window for each test, its web addresses recorded rather than opened.
class MenuTest : public QObject
{
    Q_OBJECT

  private slots: // before and after each test
    void init()
    {
        Started = std::make_unique<StartedWindow>();
        Window = &Started->Window;
        Messages = &Started->Messages;
        Opened.clear();
        W()->desktop().setAddressOpener([this](const QString& url) {
            Opened << url;
            return true;
        });
        Messages->Shown.clear();
    }
    void cleanup() { Started.reset(); }

  protected:
    std::unique_ptr<StartedWindow> Started;
    WindowFixture* Window = nullptr;
    MessageRecorder* Messages = nullptr;
    QStringList Opened;

    MainWindow* W() const { return Window->Window; }
    QColor Expected(ColorValue value, const QWidget* widget) const
    {
        return Window->Find<MenuStyle>("menuStyle")->colorOf(value, widget->palette());
    }
    void EnterHelpMode()
    {
        W()->activateWindow();
        QTest::keyClick(W(), Qt::Key_F1);
        if (!Window->Window->helpMode().isOn()) // no active window on this platform: run the command directly
            Window->Action("help")->trigger();
        QVERIFY(Window->Window->helpMode().isOn());
    }
};

// Opens the menu offscreen with one item selected (or none) and returns what it shows.
inline QImage GrabMenu(QMenu* menu, QAction* selected)
{
    menu->popup(QPoint(0, 0));
    menu->setActiveAction(selected);
    const QImage image = menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
    menu->hide();
    return image;
}

inline QRgb Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

inline bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The first column, walking from `from` towards `to`, holding a dark pixel in the row.
inline int FirstDarkColumn(const QImage& image, const QRect& row, int from, int to)
{
    const int step = from <= to ? 1 : -1;
    for (int x = from; x != to + step; x += step)
        for (int y = row.top(); y <= row.bottom(); ++y)
            if (IsDark(Rgb(image, x, y)))
                return x;
    return -1;
}
