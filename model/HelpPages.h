// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where each web command of the Help menu leads: the project's site and mail address when
// Stoikon was configured with them, otherwise the user guide installed with the program
// (the page of the interface language), which tells the same things offline.

#include "texts/Language.h"

#include <QString>

enum class HelpPage
{
    Website,    // Visit Website, and the link of the about box
    SourceCode, // where to get the source code
    OnlineHelp, // the user guide
    Feedback,   // where comments and problems go
};

// A web address, a mailto: address, or a file: address of the installed guide.
QString HelpPageAddress(HelpPage page, Language lang);

// The user guide's file, where this installation keeps it: <prefix>/share/doc/stoikon for
// <prefix>/bin/stoikon, or beside a program run from its build tree. It may be missing (a
// system that leaves out documentation); the caller reports that.
QString UserGuidePath(Language lang);
