// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the web commands lead: the project's site (a folder address ending in "/", the
// pages "st.html" and "sthlp.html" lie in it) and its mail address. Distributors set these
// to their own; the menu painter reports the site as its home page.

inline constexpr const char* SiteAddress = "https://www.example.org/stoikon/";
inline constexpr const char* MailAddress = "stoikon@example.org";
