// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FilePath.h"

#include "core/ReactionText.h"

namespace {
constexpr char16_t EscapedByte = 0xDC00;

// The length of the valid UTF-8 sequence at the start of bytes and its code point, or 0.
std::size_t Utf8Sequence(std::string_view bytes, char32_t& code)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char first = byte(0);
    std::size_t length = 0;
    char32_t smallest = 0;
    if (first < 0x80) {
        code = first;
        return 1;
    }
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
        code = first & 0x1F;
        smallest = 0x80;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        code = first & 0x0F;
        smallest = 0x800;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        code = first & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are not valid UTF-8.
    if (code < smallest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

void AppendUtf8(std::string& bytes, char32_t code)
{
    bytes += EncodeUtf8(std::u32string(1, code));
}

} // namespace

QString PathFromBytes(std::string_view bytes)
{
    QString path;
    path.reserve(qsizetype(bytes.size()));
    while (!bytes.empty()) {
        char32_t code = 0;
        const std::size_t length = Utf8Sequence(bytes, code);
        if (length == 0) {
            path += QChar(char16_t(EscapedByte + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
            continue;
        }
        if (code >= 0x10000) {
            path += QChar(QChar::highSurrogate(code));
            path += QChar(QChar::lowSurrogate(code));
        } else {
            path += QChar(char16_t(code));
        }
        bytes.remove_prefix(length);
    }
    return path;
}

std::string PathBytes(const QString& path)
{
    std::string bytes;
    bytes.reserve(std::size_t(path.size()));
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < path.size() &&
            QChar::isLowSurrogate(path[i + 1].unicode())) {
            AppendUtf8(bytes, QChar::surrogateToUcs4(unit, path[i + 1].unicode()));
            ++i;
        } else if (unit >= EscapedByte + 0x80 && unit <= EscapedByte + 0xFF) {
            bytes += static_cast<char>(unit - EscapedByte);
        } else if (QChar::isSurrogate(unit)) {
            AppendUtf8(bytes, 0xFFFD); // a lone surrogate no name of the system can hold
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}
