// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The open document, the one live state of the program: the reaction, the language, the
// grid with its worked-out marks, column widths and type codes, the fonts and subscripts
// position, the formulas, and the file it belongs to with its modified flag. It changes only
// through its operations, each named after what the user did and each marking the document
// modified itself. The window sees it through a Qt model that observes it
// (model/DocumentModel); the command line uses it as it is.
//   Document document;
//   document.open("water.KVX", WorkedOutRecordFolder());
//   document.balance(true, AtomicWeights::Table);
//   document.calculateUntilFilled();
//   document.save("water.KVX", WorkedOutRecordFolder());
//
// An undo stack takes content() before an operation and restore()s it to undo it.

#include "core/Balance.h"
#include "core/PreciseWeights.h"
#include "document/DocumentFile.h"
#include "document/WorkedOutRecord.h"

#include <string>
#include <vector>

// Everything a document holds but its file: what an undo puts back.
struct DocumentContent
{
    DocumentData Data;
    std::vector<std::vector<bool>> WorkedOut; // the shape of Data.Cells
};

// What the options dialog's OK and Default give a document at once.
struct DocumentOptions
{
    FontSettings Fonts;
    std::vector<std::string> ItemLines; // "Name:T=Width", a line a column
    std::vector<std::string> Formulas;
};

// Cells of rows FirstRow to LastRow and columns FirstColumn to LastColumn (row 0 is the
// header row of item names).
struct CellRange
{
    int FirstRow;
    int LastRow;
    int FirstColumn;
    int LastColumn;
};

// Told of every change of a document, so that views can follow it. A change of the grid's
// shape is told before and after, as Qt's item models need it.
class DocumentObserver
{
  public:
    enum class Shape
    {
        Rows,    // rows added at the end or taken from it
        Columns, // columns added at the right or taken from it
        Whole    // the grid replaced
    };
    virtual ~DocumentObserver() = default;
    virtual void gridShapeAboutToChange(Shape, int /*oldCount*/, int /*newCount*/) {}
    virtual void gridShapeChanged(Shape) {}
    virtual void cellsChanged(const CellRange&) {} // texts or worked-out marks
    virtual void columnWidthChanged(int /*column*/) {}
    virtual void reactionChanged() {}
    virtual void languageChanged() {}
    virtual void fontsChanged() {}
    virtual void fileNameChanged() {}
    virtual void modifiedChanged() {}
};

class Document
{
  public:
    Document();
    void setObserver(DocumentObserver* observer) { Observer = observer ? observer : &Nobody; }

    // ---- What it holds ----
    const DocumentData& data() const { return Content.Data; } // as its file stores it
    const std::string& reaction() const { return Content.Data.ReactionText; }
    Language language() const { return Content.Data.Lang; }
    const GridCells& cells() const { return Content.Data.Cells; }
    int rowCount() const { return static_cast<int>(Content.Data.Cells.size()); } // the header row too
    int columnCount() const { return static_cast<int>(Content.Data.Widths.size()); }
    const std::string& cell(int column, int row) const; // empty outside the grid
    // Filled by Calculate Grid rather than given (typed, opened, written by Balance).
    bool isWorkedOut(int column, int row) const;
    std::vector<CellPlace> workedOutCells() const; // row by row
    bool hasWorkedOutCells() const;
    int columnWidth(int column) const;
    const std::vector<int>& columnWidths() const { return Content.Data.Widths; }
    // One type code per column, possibly more (documents keep surplus entries).
    const std::vector<std::string>& typesList() const { return Content.Data.TypesList; }
    char typeCodeOf(int column) const;
    const FontSettings& fonts() const { return Content.Data.Fonts; }
    const std::vector<std::string>& formulas() const { return Content.Data.Formulas; }
    // What the options dialog shows and applyOptions() takes.
    DocumentOptions options() const;
    // The path of its file, empty while untitled.
    const std::string& fileName() const { return FileName; }
    std::string caption() const; // "Stoikon - " and the name, or "Stoikon - Untitled"
    bool isModified() const { return Modified; }

    // ---- What the user does; each marks the document modified ----
    // An edit in the reaction line. It counts as a change even when the text comes out the
    // same, as every key released in the line always has.
    void setReaction(const std::string& text);
    // A cell typed into, given from now on (row 0: a column's name). A change even when the
    // text comes out the same, as every edit of a cell always has.
    void setCell(int column, int row, const std::string& text);
    // The options dialog's OK or Default: the fonts, the columns and the formulas.
    void applyOptions(const DocumentOptions& options);
    // The interface language, which documents keep.
    void setLanguage(Language lang);
    // Balance: tidies and balances the reaction; on success the grid gets one row per
    // substance with the typed columns filled (molar masses from weights) and the reaction
    // its coefficients, otherwise the reaction is left tidied. given holds the coefficients
    // the line showed before its clean-up (they may choose among several balanced forms); a
    // medium completes a reaction of ions that needs it.
    BalanceOutcome balance(bool autoCase, AtomicWeights weights, Medium medium = Medium::None,
                           const std::vector<std::string>& given = {});
    // One Calculate Grid sweep; the cells it fills are worked out. False when it stopped at
    // its work limit.
    bool calculate();
    // Sweeps until one fills no empty cell: what a sweep writes can fill more in the next.
    // False when a sweep stopped at its work limit.
    bool calculateUntilFilled();
    // Recalculate: the worked-out cells are emptied, then calculated until filled again from
    // the values given now.
    bool recalculate();
    // A column dragged wider or narrower on screen. The width is saved with the document but
    // asks for no save, as the program has always had it.
    void resizeColumn(int column, int width);

    // ---- Its file; paths are the system's bytes. Failures throw FileError ----
    // New: the data rows emptied, then what the defaults file gives (its reading stops
    // quietly at its first bad line; the rest keeps the previous document's values), an
    // empty reaction, untitled and unmodified.
    void startNew(const std::string& defaultsFile);
    // The whole file is read before anything changes. A file that cannot be read changes
    // only the language, to the one its language line names when it has one. The worked-out
    // marks come back from the record in marksFolder when it is the file's own.
    void open(const std::string& path, const std::string& marksFolder);
    // Writes the file (replacing it only once all of it is written), then the record of its
    // worked-out cells in marksFolder, hashed from the very bytes written; the document is
    // then named after the file and unmodified.
    void save(const std::string& path, const std::string& marksFolder);
    // The current settings as a defaults file: the document without its reaction.
    void saveDefaults(const std::string& path) const;
    // The HTML page of the reaction and the grid, as lines.
    std::vector<std::string> htmlPage() const;

    // ---- For an undo stack ----
    const DocumentContent& content() const { return Content; }
    void restore(const DocumentContent& content);

  private:
    void markModified(bool modified);
    void replaceReaction(const std::string& text);
    void replaceLanguage(Language lang);
    void replaceFonts(const FontSettings& fonts);
    void replaceFileName(const std::string& path);
    void resizeRows(int rows);
    void resizeColumns(int columns);
    void replaceCells(const GridCells& cells);
    void replaceData(const DocumentData& data);
    void writeCell(int column, int row, const std::string& text);
    void setWidth(int column, int width);
    void emptyDataRows();
    void emptyWorkedOutCells();
    void markWorkedOut(const std::vector<CellPlace>& places); // data cells within the grid
    std::size_t emptyDataCells() const;

    DocumentContent Content;
    std::string FileName;
    bool Modified = false;
    DocumentObserver Nobody;
    DocumentObserver* Observer = &Nobody;
};
