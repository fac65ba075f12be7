// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sound of a message box: each kind of message has its own event of the freedesktop
// sound theme, played through libcanberra as the desktop's own dialogs are. Where nothing
// can be played (no sound server or device, a theme without the event) the bell rings.

#include "ui/dialogs/MessageBox.h"

// The sound-theme event of a kind of message: "dialog-warning", "dialog-error",
// "dialog-information" or "dialog-question".
const char* MessageSoundEvent(MessageKind kind);

enum class MessageSound
{
    ThemeEvent, // libcanberra plays the event
    Bell        // QApplication::beep()
};

// Sounds a kind of message and says how. driver names a libcanberra driver ("pulse",
// "alsa"); without one libcanberra chooses, as the CANBERRA_DRIVER environment variable says
// or else the first that works.
MessageSound SoundMessage(MessageKind kind, const char* driver = nullptr);
