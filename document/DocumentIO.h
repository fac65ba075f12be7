// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Files of lines in the Windows-1256 code page, as documents, defaults files and web
// pages are stored, for the widget layer: paths are QStrings, the work is done by
// document/FileAccess and core/CodePage.

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The file's lines as UTF-8 text, or nothing when it cannot be read; then reason, when
// given, says why ("PATH: cause"). Only regular files up to MaxReadBytes are read, of at
// most MaxDocumentLines lines.
std::optional<std::vector<std::string>> ReadCodePageLines(const QString& path, std::string* reason = nullptr);

// Encodes the lines (each ended by CR LF) and replaces the file only when everything was
// written and flushed, so a failed save never destroys the previous file; false, with
// reason when given, otherwise. The Farsi letter yeh, which the code page lacks, is
// stored as the Arabic yeh it is shown as; any other character outside the code page
// becomes "?".
bool WriteCodePageLines(const QString& path, const std::vector<std::string>& lines,
                        std::string* reason = nullptr);

// Replaces the file by bytes as WriteCodePageLines does.
bool WriteFileBytes(const QString& path, std::string_view bytes, std::string* reason = nullptr);

// The bytes WriteCodePageLines would write for one text.
QByteArray EncodeCodePage(const QString& text);
QString DecodeCodePage(const QByteArray& bytes);
