// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File names as the system has them: bytes, nearly always UTF-8 but not necessarily (a
// name written under a Latin-1 locale, a file copied from an old disk). The program keeps
// names in QStrings, and QFile::encodeName and decodeName turn each byte that is not
// UTF-8 into U+FFFD for good, so two such names become one and neither opens. These two
// keep every byte: a byte outside valid UTF-8 is held as the lone surrogate U+DC80 to
// U+DCFF, which no valid name contains, and given back as that byte. What is done with a
// path is document/Paths', on the bytes.

#include <QString>

#include <string>
#include <string_view>

QString PathFromBytes(std::string_view bytes);
std::string PathBytes(const QString& path);
