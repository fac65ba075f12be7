// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The open document: everything a .KVX file stores (reaction, language, grid, fonts and
// subscripts position, formulas, type codes) with its file name and modified flag, and the
// commands that change it as a whole: New, Open, Save, Balance, Calculate Grid, the export
// page. Windows observe it through its signals; the command line uses it without any.
//
// The modified flag is set by the commands that the user's work runs (Balance, Calculate
// Grid, edits, the options, a language switch) and cleared by New, Open and Save; a
// programmatic change alone leaves it as it is.

#include "core/Balance.h"
#include "core/Language.h"
#include "core/PreciseWeights.h"
#include "core/ReadingChoice.h"
#include "document/FontSettings.h"
#include "grid/GridCells.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

class GridModel;
struct DocumentData;

class DocumentModel : public QObject
{
    Q_OBJECT

  public:
    explicit DocumentModel(QObject* parent = nullptr);

    GridModel* grid() const { return Grid; }

    const std::string& reactionText() const { return ReactionText; }
    void setReactionText(const std::string& text);
    Language language() const { return DocumentLanguage; }
    void setLanguage(Language lang);
    const FontSettings& fonts() const { return Fonts; }
    // Font sizes are kept within those a font dialog offers.
    void setFonts(const FontSettings& fonts);
    const std::vector<std::string>& formulas() const { return Formulas; }
    void setFormulas(const std::vector<std::string>& formulas) { Formulas = formulas; }

    // The full path of the file, empty while untitled; the window caption follows it.
    const QString& fileName() const { return FileName; }
    void setFileName(const QString& fileName);
    QString caption() const; // "Stoikon - " and the name, or "Stoikon - Untitled"

    bool isModified() const { return Modified; }
    void setModified(bool modified);

    // The document as file data, and back (the language too).
    DocumentData toData() const;
    void setData(const DocumentData& doc);

    // Open: the whole file is read before anything changes; false when it cannot be read,
    // and then reason, when given, says why ("PATH: cause"). A failed file changes only the
    // language, to the one its language line names when it has one. A success names the
    // document after the file, unmodified.
    bool load(const QString& fileName, std::string* reason = nullptr);
    // Writes the document; the file is replaced only when all of it was written and
    // flushed, so a failed save leaves the old file as it was. False, with reason, else.
    bool saveTo(const QString& fileName, std::string* reason = nullptr) const;
    // New: empties the data rows, takes what the defaults file gives (reading stops
    // quietly at its first bad line, the rest keeps the previous document's values) and
    // leaves an untitled, unmodified document with an empty reaction.
    void startNew(const QString& defaultsFile);
    // The current settings as a defaults file: the document without its reaction.
    bool writeDefaults(const QString& fileName) const;

    // Balance: tidies and balances the reaction; on success the grid gets one row per
    // substance with the typed columns filled (molar masses from the chosen atomic weights)
    // and the reaction its coefficients. Marks the document modified whatever the outcome.
    // given holds the coefficients the line showed before its clean-up (they may choose
    // among several balanced forms); a medium completes a reaction of ions that needs it.
    // With autoCase, a reaction that does not balance as cased is tried with its two-letter
    // symbols read as two (Co2 as CO2); reading, when given, receives what was read so, or
    // the readings that would balance. With keepRows, rows past the substances (a note, a
    // substance the reaction lost) stay.
    BalanceOutcome balance(bool autoCase, AtomicWeights weights = AtomicWeights::Table,
                           Medium medium = Medium::None, const std::vector<std::string>& given = {},
                           ChosenReading* reading = nullptr, bool keepRows = false);
    // One Calculate Grid sweep; true when it filled a cell. The cells it writes are marked
    // as worked out. Marks the document modified. complete, when given, tells whether the
    // sweep ended before its work limit.
    bool calculateGrid(bool* complete = nullptr);
    // Recalculate: empties every worked-out cell, then sweeps until a sweep fills no empty
    // cell, so the results follow the given values as they are now. Marks the document
    // modified. False when the sweeps together reached the work limit.
    bool recalculateGrid();
    // Sweeps until one fills no empty cell, all of them within one work limit (the command
    // line's --calculate; Recalculate's sweeps after it empties the worked-out cells). False
    // when they reached it.
    bool calculateUntilSettled(bool recalculate = false);

    // A calculation away from the model, for a worker thread while the window waits: the
    // cells it starts from (for Recalculate without the worked-out cells) and the formulas.
    struct CalculationJob
    {
        GridCells Cells;
        std::vector<std::string> Formulas;
        bool Recalculate = false;
    };
    CalculationJob calculationJob(bool recalculate) const;
    // Takes a job's cells into the grid: the cells it filled are worked out, and for
    // Recalculate the worked-out cells it did not fill again are empty. Marks the document
    // modified.
    void applyCalculation(const CalculationJob& job);

    // The HTML page of the reaction and the grid, as lines and as a file.
    std::vector<std::string> htmlPage() const;
    bool writeHtmlPage(const QString& fileName, std::string* reason = nullptr) const;

  signals:
    void modificationChanged(bool modified);
    void reactionTextChanged();
    void languageChanged(Language lang);
    void fontsChanged();
    void fileNameChanged();

  private:
    GridModel* Grid;
    std::string ReactionText;
    Language DocumentLanguage = Language::English;
    FontSettings Fonts;
    std::vector<std::string> Formulas;
    QString FileName;
    bool Modified = false;
};
