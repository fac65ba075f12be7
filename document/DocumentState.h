// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What an open document holds (document/Document), and the steps its operations are made of:
// each step changes one part of the document and tells the observer, so that views follow
// every change however it came about.

#include "document/DocumentFile.h"
#include "document/WorkedOutRecord.h"
#include "grid/AmountAnalysis.h"

#include <string>
#include <vector>

// Everything a document holds but its file: what an undo puts back.
struct DocumentContent
{
    DocumentData Data;
    std::vector<std::vector<bool>> WorkedOut; // the shape of Data.Cells
    // What the last calculation said beside given amounts (left over, yield, contradiction),
    // and the limiting reactant's row (0: none); not stored in the file.
    std::vector<CellNote> Notes;
    int LimitingRow = 0;
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

class DocumentState
{
  public:
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
    const std::vector<CellNote>& notes() const { return Content.Notes; }
    const CellNote* noteAt(int column, int row) const; // null when the cell has none
    std::string limitingReactant() const;              // its formula; empty when no reactant limits another
    // The significant figures worked-out numbers are shown to; 0: as the given numbers have.
    // A way of showing, not stored in the file.
    int significantFigures() const { return SignificantFigures; }
    void setSignificantFigures(int figures);
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

    const DocumentContent& content() const { return Content; }

  protected:
    DocumentState();

    void markModified(bool modified);
    void replaceReaction(const std::string& text);
    void replaceLanguage(Language lang);
    void replaceFonts(const FontSettings& fonts); // sizes kept within those a font dialog offers
    void replaceFileName(const std::string& path);
    void replaceContent(const DocumentContent& content);
    void resizeRows(int rows);
    void resizeColumns(int columns);
    void replaceCells(const GridCells& cells);
    void forgetNotes();
    void replaceData(const DocumentData& data);
    void writeCell(int column, int row, const std::string& text);
    void setWidth(int column, int width);
    void emptyDataRows();
    void markWorkedOut(const std::vector<CellPlace>& places); // data cells within the grid

    DocumentContent Content;
    std::string FileName;
    bool Modified = false;
    int SignificantFigures = 0;
    DocumentObserver Nobody;
    DocumentObserver* Observer = &Nobody;
};
