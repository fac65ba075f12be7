// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/MessageSound.h"

#include <QApplication>

#include <canberra.h>

#include <memory>

namespace {
struct ContextDeleter
{
    void operator()(ca_context* context) const { ca_context_destroy(context); }
};
using Context = std::unique_ptr<ca_context, ContextDeleter>;

Context MakeContext(const char* driver)
{
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return nullptr;
    Context made(context);
    if (driver && ca_context_set_driver(context, driver) != CA_SUCCESS)
        return nullptr;
    // The sound server shows these beside the program's sounds.
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Stoikon", CA_PROP_APPLICATION_ID,
                            "org.example.stoikon", CA_PROP_APPLICATION_ICON_NAME, "stoikon", nullptr);
    return made;
}

bool Play(ca_context* context, MessageKind kind)
{
    // Event sounds are kept in the sound server's cache, as the desktop's own are.
    return context && ca_context_play(context, 0, CA_PROP_EVENT_ID, MessageSoundEvent(kind),
                                      CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr) == CA_SUCCESS;
}
} // namespace

const char* MessageSoundEvent(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return "dialog-warning";
    case MessageKind::Error:
        return "dialog-error";
    case MessageKind::Information:
        return "dialog-information";
    case MessageKind::Confirmation:
        break;
    }
    return "dialog-question";
}

MessageSound SoundMessage(MessageKind kind, const char* driver)
{
    bool played = false;
    if (driver) {
        played = Play(MakeContext(driver).get(), kind);
    } else {
        // One connection to the sound server for the whole run, made at the first message.
        static const Context context = MakeContext(nullptr);
        played = Play(context.get(), kind);
    }
    if (played)
        return MessageSound::ThemeEvent;
    QApplication::beep();
    return MessageSound::Bell;
}
