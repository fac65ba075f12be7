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
//   document.calculateUntilSettled();
//   document.save("water.KVX", WorkedOutRecordFolder());
//
// An undo history keeps what each operation changed (document/DocumentChange) and takes it
// back with undo() and puts it again with redo().

#include "core/Balance.h"
#include "core/PreciseWeights.h"
#include "core/ReadingChoice.h"
#include "document/DocumentChange.h"
#include "document/DocumentState.h"
#include "grid/GridCalculation.h"

#include <string>
#include <vector>

class Document : public DocumentState
{
  public:
    Document();

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
    // medium completes a reaction of ions that needs it. With autoCase, a reaction that does
    // not balance as cased is tried with its two-letter symbols read as two (Co2 as CO2);
    // reading, when given, receives what was read so, or the readings that would balance.
    // With keepRows, rows past the substances (a note, a substance the reaction lost) stay.
    BalanceOutcome balance(bool autoCase, AtomicWeights weights, Medium medium = Medium::None,
                           const std::vector<std::string>& given = {}, ChosenReading* reading = nullptr,
                           bool keepRows = false);
    // Calculate Grid: one sweep; the cells it fills are worked out. False when it stopped
    // at its work limit.
    bool calculate();
    // Sweeps until one fills no empty cell, as what a sweep writes can fill more in the next,
    // all within one work limit (--calculate). False when they reached it.
    bool calculateUntilSettled();
    // Recalculate: the worked-out cells are emptied, then calculated until settled again
    // from the values given now.
    bool recalculate();

    // A calculation away from the document, on a worker thread while the window waits: the
    // cells it starts from (for Recalculate without the worked-out cells), the formulas, and
    // whether it is one sweep or sweeps until settled. calculate(), calculateUntilSettled()
    // and recalculate() are a job run at once and applied.
    struct CalculationJob
    {
        GridCells Cells;
        std::vector<std::string> Formulas;
        bool Recalculate = false;
        bool UntilSettled = false;

        CalculationEnd run(CalculationBudget& budget);
    };
    CalculationJob calculationJob(bool recalculate, bool untilSettled) const;
    // Takes a job's cells in: the cells it filled are worked out, and for Recalculate the
    // worked-out cells it did not fill again are empty. The document must not have changed
    // since the job was made.
    void applyCalculation(const CalculationJob& job);

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

    // ---- For an undo history ----
    // A change taken back, or made again; the file's name and the modified flag stay.
    void undo(const DocumentChange& change);
    void redo(const DocumentChange& change);
    // The history's word on the flag: a document is unmodified again when an undo or redo
    // reaches the state it was saved in, and an operation that changed nothing keeps it.
    void setModified(bool modified);
    // The whole content at once, as it is (content() gives it).
    void restore(const DocumentContent& content);

  private:
    void apply(const DocumentChange& change, bool after);
};
