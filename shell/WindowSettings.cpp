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
    // The bounds are the frame's, as designed or as they were at the last close.
    QSize largestScreen(0, 0);
    for (QScreen* screen : QGuiApplication::screens())
        largestScreen = largestScreen.expandedTo(screen->availableGeometry().size());
    const StoredWindow stored = ReadStoredWindow(*settings, largestScreen);
    if (stored.Farsi)
        StartupFarsi = *stored.Farsi;
    const QRect bounds = stored.Bounds;
    const Qt::WindowState state = stored.State == 1   ? Qt::WindowMinimized
                                  : stored.State == 2 ? Qt::WindowMaximized
                                                      : Qt::WindowNoState;
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
