// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/Messages.h"

#include "texts/Texts.h"

const LocalText* BalanceMessage(BalanceOutcome::Status status)
{
    switch (status) {
    case BalanceOutcome::Status::InvalidReaction:
        return &Texts::MsgInvalidReaction;
    case BalanceOutcome::Status::CannotBalance:
        return &Texts::MsgCannotBalance;
    case BalanceOutcome::Status::Balanced:
        break;
    }
    return nullptr;
}

std::string FirstLine(const char* text)
{
    const std::string all(text);
    return all.substr(0, all.find('\r'));
}
