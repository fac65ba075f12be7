// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A hint is one text: a short part for the tool tip and a long part for the status bar,
// joined by "|". A hint without "|" serves as both.

#include <QString>

inline QString ShortHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

inline QString LongHint(const QString& hint)
{
    const int bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

// The tool tip and the status bar's text of a control or an action, from its hint.
template <typename Target> void SetHint(Target* target, const QString& hint)
{
    target->setToolTip(ShortHint(hint));
    target->setStatusTip(LongHint(hint));
}
