// SPDX-License-Identifier: GPL-3.0-or-later
// Window placement, interface language and the choice of atomic weights, kept in the user
// settings between runs.

#include "dialogs/WindowFrame.h"
#include "document/DocumentModel.h"
#include "document/UserFiles.h"
#include "editor/KOU.h"
#include "editor/ReactionLine.h"
#include "shell/MainU.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QSettings>

#include <algorithm>
#include <memory>

namespace {
// Reads one whole-number value; false when it is missing or not a number.
bool ReadInt(const QSettings& settings, const char* name, int& value)
{
    const QVariant v = settings.value(QLatin1String(name));
    if (!v.isValid())
        return false;
    bool ok = false;
    const int n = v.toString().toInt(&ok);
    if (ok)
        value = n;
    return ok;
}

// Whether the user's locale reads messages in Farsi, by the C library's precedence: LC_ALL,
// LC_MESSAGES, LANG, and then the first language of LANGUAGE when the locale is not C.
bool LocaleIsFarsi()
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(name);
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || locale == QLatin1String("C") || locale.startsWith(QLatin1String("C.")) ||
        locale == QLatin1String("POSIX"))
        return false;
    const QString preferred = qEnvironmentVariable("LANGUAGE").section(QLatin1Char(':'), 0, 0);
    return QLocale(preferred.isEmpty() ? locale : preferred).language() == QLocale::Persian;
}

// Stored bounds are whatever the settings file holds, a hand-edited one included: the size
// is kept between a usable least and the largest screen's working area, and the position
// near the screens (a window beyond them is brought back by KeepOnScreen).
QRect WithinScreens(int left, int top, int width, int height)
{
    QSize largest(0, 0);
    for (QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(screen->availableGeometry().size());
    const QSize least(200, 150);
    largest = largest.expandedTo(least);
    constexpr int farthest = 1 << 20;
    return QRect(std::clamp(left, -farthest, farthest), std::clamp(top, -farthest, farthest),
                 std::clamp(width, least.width(), largest.width()),
                 std::clamp(height, least.height(), largest.height()));
}

// A window that would lie entirely off every screen (a monitor unplugged since the last
// run) is brought back onto the primary screen.
void KeepOnScreen(QWidget* window)
{
    const QRect frame(window->pos(), window->size());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(frame))
            return;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        window->move(primary->availableGeometry().topLeft() + QPoint(10, 9));
}
} // namespace

void TSTMainForm::ReadWindowSettings()
{
    // The key options are kept beside the window's values.
    TextImg->setKeyOptions(ReadKeyOptions());
    // Until a language is stored, the window starts in the language of the user's locale.
    StartupFarsi = LocaleIsFarsi();
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    // Not one of the window's values: read whatever the others hold.
    Actions.SettingsPreciseWeights->setChecked(settings->value("PreciseWeights").toString() ==
                                               QLatin1String("1"));
    // The bounds are the frame's, as designed or as they were at the last close. Each value
    // counts as soon as it is read; the first missing or malformed one ends the reading and
    // the rest keep their defaults (all of them on a first run).
    int left = 10;
    int top = 9;
    int width = 780;
    int height = 551;
    Qt::WindowState state = Qt::WindowNoState;
    int value = 0;
    do {
        if (!ReadInt(*settings, "Width", width) || !ReadInt(*settings, "Height", height) ||
            !ReadInt(*settings, "Top", top) || !ReadInt(*settings, "Left", left) ||
            !ReadInt(*settings, "WS", value))
            break;
        state = value == 1 ? Qt::WindowMinimized : value == 2 ? Qt::WindowMaximized : Qt::WindowNoState;
        if (!ReadInt(*settings, "Lang", value))
            break;
        StartupFarsi = value != 0;
    } while (false);
    const QRect bounds = WithinScreens(left, top, width, height);
    // Until the window manager has framed the window its frame is not known: the client
    // area takes the whole bounds, and is fitted inside the frame when it first shows.
    SetFrameBounds(this, bounds, FrameMargins(this));
    KeepOnScreen(this);
    StoredBounds = QRect(pos(), bounds.size());
    // The state once the window has its bounds: a window minimised before it is sized shows,
    // restored, at the toolkit's default size.
    setWindowState(state);
}

void TSTMainForm::FitFrameToStoredBounds()
{
    // A window that starts minimised is fitted when it is first restored; a maximised one
    // has the bounds the window manager gives it.
    WhenFramed(this, [this] {
        if (isMinimized())
            return false;
        if (!isMaximized() && !isFullScreen())
            SetFrameBounds(this, StoredBounds, FrameMargins(this));
        return true;
    });
}

void TSTMainForm::SettingsPreciseWeightsExecute()
{
    // Kept as soon as it is chosen; it applies from the next Balance.
    OpenUserSettings()->setValue("PreciseWeights", Actions.SettingsPreciseWeights->isChecked() ? 1 : 0);
}

AtomicWeights TSTMainForm::ChosenWeights() const
{
    return Actions.SettingsPreciseWeights->isChecked() ? AtomicWeights::Precise : AtomicWeights::Table;
}

void TSTMainForm::UsePreciseWeights()
{
    Actions.SettingsPreciseWeights->setChecked(true);
}

void TSTMainForm::WriteWindowSettings()
{
    const std::unique_ptr<QSettings> settings = OpenUserSettings();
    // The frame's bounds; a minimised window keeps those it will be restored to.
    const QRect bounds = isMinimized() ? normalGeometry().marginsAdded(FrameMargins(this)) : frameGeometry();
    const int state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    settings->setValue("Width", bounds.width());
    settings->setValue("Height", bounds.height());
    settings->setValue("Top", bounds.y());
    settings->setValue("Left", bounds.x());
    settings->setValue("WS", state);
    settings->setValue("Lang", Doc->language() == Language::Farsi ? 1 : 0);
    WriteKeyOptions(TextImg->keyOptions());
    settings->sync();
}
