// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The line layout of a .KVX document, without any toolkit. The widget layer decodes
// the file from Windows-1256 into UTF-8, splits it with SplitDocumentLines and hands
// the lines to ReadDocumentLines; saving goes the other way through
// WriteDocumentLines and JoinDocumentLines. The same layout serves the defaults files
// New.KVX and NewF.KVX, which New reads more leniently through ReadDefaultsLines.
//
// Layout, line by line (N grid rows with the header, K columns, F formulas):
//   0 reaction text, 1 language ("E" or "F"), 2 N, 3 K, 4 the K widths,
//   5 .. 4+N the rows (header first), 5+N .. 9+N the five fonts, 10+N F,
//   the F formulas, then the type codes up to the last line, which holds the
//   subscripts position.

#include "core/WholeNumber.h"
#include "document/FontSettings.h"
#include "grid/GridCells.h"
#include "texts/Language.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Any reason a document cannot be read: a missing line, a count, width, size, colour
// or position that is not a whole number, a count the file cannot hold. The Open
// command catches it and shows "Can not open this file"; the command line also prints
// the reason, which says what was wrong ("row count 2000000000 is larger than the file").
class DocumentReadError : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

struct DocumentData
{
    std::string ReactionText;
    Language Lang = Language::English; // line 1: its document tag
    std::vector<int> Widths;           // one per column; its size is the column count K
    GridCells Cells;                   // N rows of K cells, row 0 = header names
    FontSettings Fonts;                // the five fonts and SubscriptsPosition
    std::vector<std::string> Formulas;
    std::vector<std::string> TypesList; // may be longer than K (surplus entries kept)

    bool operator==(const DocumentData& o) const
    {
        return ReactionText == o.ReactionText && Lang == o.Lang && Widths == o.Widths && Cells == o.Cells &&
               Fonts == o.Fonts && Formulas == o.Formulas && TypesList == o.TypesList;
    }
    bool operator!=(const DocumentData& o) const { return !(*this == o); }
};

// A grid larger than this many cells (header row included) is refused. A table of
// substances has one row a substance and a few dozen columns, so a thousand rows of fifty
// columns is already far beyond use; the limit leaves room for a single row of 100,000
// columns or a single column of 100,000 rows, and keeps every document quick to open,
// draw, calculate and export, and small in memory.
constexpr long long MaxDocumentCells = 250000;

// A document has a line for each grid row, formula and type code, and a dozen more. A
// file of more lines is refused before it is split: the largest grid the reader takes
// needs at most half as many (a million rows, or a type code for each of a million
// columns), and each line read costs about 100 bytes in all, so a file that is only line
// breaks would otherwise take 1.6 GB at the largest size read.
constexpr std::size_t MaxDocumentLines = 2000000;

// A reaction line longer than this refuses the document. A real reaction has a few hundred
// characters at most; one of 64 KiB still opens, balances, draws and exports at once, while
// a reaction of megabytes would take seconds and gigabytes at each of those.
constexpr std::size_t MaxReactionBytes = 64 * 1024;

// The number of lines SplitDocumentLines gives.
std::size_t CountDocumentLines(const std::string& text);

// Breaks file text into lines at CR LF, a lone CR or a lone LF. A line break at the
// very end does not start another line; empty text has no lines.
std::vector<std::string> SplitDocumentLines(const std::string& text);

// The file text: every line followed by CR LF.
std::string JoinDocumentLines(const std::vector<std::string>& lines);

// The lines of a file in the code page, as UTF-8: only a regular file of at most
// MaxReadBytes and MaxDocumentLines lines is read. Throws FileError.
std::vector<std::string> ReadDocumentFile(const std::string& path);

// What a file of these lines holds: each ended by CR LF, in the code page (the Farsi yeh
// as the Arabic yeh it is shown as, any other character the code page lacks as "?").
std::string DocumentFileBytes(const std::vector<std::string>& lines);

// Cuts a line into count fields: each field but the last is the text before the next
// ","; the last field is whatever remains, commas included. When the commas run out,
// the fields still missing are empty and the last one takes the rest ("a,b" as four
// fields is "a", "", "", "b"). A count of zero or less gives no fields.
std::vector<std::string> SplitFields(const std::string& line, int count);

// A font line: face name, size in points, the bold and italic flags as two "0"/"1"
// characters, and the colour as a signed 32-bit number.
std::string FormatFontLine(const FontSpec& font);
// Throws DocumentReadError when the size or the colour is not a whole number. A style
// character other than "1", or a missing one, clears that style.
FontSpec ParseFontLine(const std::string& line);

// The document as lines, in the order of the layout above. Every row is written with
// exactly K = Widths.size() cells; rows are expected to hold that many. A CR or LF
// inside a text is written as a blank, so the file always reads back.
std::vector<std::string> WriteDocumentLines(const DocumentData& doc);

// Reads a whole document or throws DocumentReadError; nothing is returned half read,
// so the caller changes its open document only on success.
DocumentData ReadDocumentLines(const std::vector<std::string>& lines);

// What New takes from a defaults file. The reading goes in New's order (language,
// column count, widths, header names, fonts, formulas, type codes, subscripts
// position) and stops silently at the first missing or malformed line: what was read
// before it is set here, everything after is left unset, and New keeps the previous
// document's value for it.
struct DefaultsData
{
    std::optional<Language> Lang;
    std::optional<int> ColumnCount;
    std::optional<std::vector<int>> Widths; // ColumnCount entries
    std::optional<GridRow> HeaderNames;     // ColumnCount texts
    std::vector<FontSpec> Fonts;            // the fonts read, in document order, up to five
    std::optional<std::vector<std::string>> Formulas;
    std::optional<std::vector<std::string>> TypesList;
    std::optional<int> SubscriptsPosition;
};

DefaultsData ReadDefaultsLines(const std::vector<std::string>& lines);

// The window caption for a document path: "Stoikon - Untitled" without a path,
// otherwise "Stoikon - " and the file name without folder and extension.
std::string DocumentCaption(const std::string& filePath);
