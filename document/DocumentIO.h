// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files of lines in the Windows-1256 code page, as documents, defaults files and web
// pages are stored.

#include <QString>

#include <optional>
#include <string>
#include <vector>

// The file's lines as UTF-8 text, or nothing when it cannot be read.
std::optional<std::vector<std::string>> ReadCodePageLines(const QString& path);

// Encodes the lines (each ended by CR LF) and replaces the file only when everything was
// written, so a failed save never destroys the previous file. The Farsi letter yeh, which
// the code page lacks, is stored as the Arabic yeh it is shown as; any other character
// outside the code page becomes "?".
bool WriteCodePageLines(const QString& path, const std::vector<std::string>& lines);

// The bytes WriteCodePageLines would write for one text.
QByteArray EncodeCodePage(const QString& text);
QString DecodeCodePage(const QByteArray& bytes);
