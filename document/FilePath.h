// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File names as the system has them: bytes, nearly always UTF-8 but not necessarily (a
// name written under a Latin-1 locale, a file copied from an old disk). The program keeps
// names in QStrings, and QFile::encodeName and decodeName turn each byte that is not
// UTF-8 into U+FFFD for good, so two such names become one and neither opens. These two
// keep every byte: a byte outside valid UTF-8 is held as the lone surrogate U+DC80 to
// U+DCFF, which no valid name contains, and given back as that byte.

#include <QString>

#include <string>
#include <string_view>

QString PathFromBytes(std::string_view bytes);
std::string PathBytes(const QString& path);

// The path made absolute against the current folder, its "." and ".." resolved as text.
QString AbsolutePath(const QString& path);

// Whether the path names something (following links), and whether a regular file.
bool PathExists(const QString& path);
bool PathIsFile(const QString& path);
