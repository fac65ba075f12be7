// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/CodePage.h"

#include "core/ReactionText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr char32_t FarsiYeh = 0x06CC;
constexpr char32_t ArabicYeh = 0x064A;

// The characters of the bytes 0x80 to 0xFF; the bytes below stand for ASCII.
constexpr std::array<char16_t, 128> UpperHalf = {
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0679, 0x2039, 0x0152,
    0x0686, 0x0698, 0x0688, 0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x06A9, 0x2122,
    0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA, 0x00A0, 0x060C, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, 0x00B0, 0x00B1, 0x00B2, 0x00B3,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x061B, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x061F, 0x06C1,
    0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627, 0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D,
    0x062E, 0x062F, 0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x0636, 0x00D7, 0x0637, 0x0638, 0x0639,
    0x063A, 0x0640, 0x0641, 0x0642, 0x0643, 0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x0649, 0x064A, 0x00EE, 0x00EF, 0x064B, 0x064C, 0x064D, 0x064E, 0x00F4,
    0x064F, 0x0650, 0x00F7, 0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,
};

using CodePair = std::pair<char32_t, unsigned char>;

// The upper half sorted by character, for encoding.
const std::array<CodePair, 128>& ByCharacter()
{
    static const std::array<CodePair, 128> pairs = [] {
        std::array<CodePair, 128> sorted{};
        for (std::size_t i = 0; i < UpperHalf.size(); ++i)
            sorted[i] = {UpperHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }();
    return pairs;
}

// The byte for a character, or 0 when the code page lacks it (NUL itself is ASCII).
unsigned char ByteOf(char32_t ch)
{
    if (ch < 0x80)
        return static_cast<unsigned char>(ch);
    if (ch == FarsiYeh)
        ch = ArabicYeh;
    const auto& pairs = ByCharacter();
    const auto found = std::lower_bound(pairs.begin(), pairs.end(), CodePair{ch, 0});
    return found != pairs.end() && found->first == ch ? found->second : 0;
}

void AppendUtf8(std::string& text, char32_t ch)
{
    if (ch < 0x80) {
        text += static_cast<char>(ch);
    } else if (ch < 0x800) {
        text += static_cast<char>(0xC0 | (ch >> 6));
        text += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        text += static_cast<char>(0xE0 | (ch >> 12));
        text += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (ch >> 18));
        text += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

} // namespace

bool CodePageHolds(char32_t ch)
{
    return ch == 0 || ByteOf(ch) != 0;
}

std::string KeepCodePageText(const std::string& utf8)
{
    std::string kept;
    kept.reserve(utf8.size());
    for (char32_t ch : DecodeUtf8(utf8))
        if (CodePageHolds(ch))
            AppendUtf8(kept, ch);
    return kept;
}

std::string EncodeCodePage(const std::string& utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        // ASCII runs, the bulk of every document, are copied as they are.
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            bytes += utf8[i++];
            continue;
        }
        std::size_t end = i + 1;
        while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) >= 0x80)
            ++end;
        for (char32_t ch : DecodeUtf8(utf8.substr(i, end - i))) {
            const unsigned char byte = ByteOf(ch);
            bytes += byte != 0 ? static_cast<char>(byte) : '?';
        }
        i = end;
    }
    return bytes;
}

std::string DecodeCodePage(const std::string& bytes)
{
    std::string utf8;
    utf8.reserve(bytes.size());
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b < 0x80)
            utf8 += byte;
        else
            AppendUtf8(utf8, UpperHalf[b - 0x80]);
    }
    return utf8;
}
