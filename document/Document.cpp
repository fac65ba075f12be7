// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Document.h"

#include "core/ReactionParser.h"
#include "document/FileAccess.h"
#include "document/HtmlPage.h"
#include "grid/BalanceColumns.h"
#include "grid/FormulaLine.h"
#include "grid/GridCalculation.h"
#include "grid/GridItems.h"

#include <algorithm>

Document::Document() = default;

void Document::setReaction(const std::string& text)
{
    replaceReaction(text);
    markModified(true);
}

void Document::setCell(int column, int row, const std::string& text)
{
    if (column < 0 || column >= columnCount() || row < 0 || row >= rowCount())
        return;
    // A text typed as it was leaves the cell as it was, worked out or given.
    if (cell(column, row) != text)
        writeCell(column, row, text);
    markModified(true);
    settle();
}

void Document::applyOptions(const DocumentOptions& options)
{
    markModified(true);
    replaceFonts(options.Fonts);
    std::vector<GridItem> columns;
    std::vector<std::string> types = typesList();
    for (int c = 0; c < columnCount(); ++c)
        columns.push_back({cell(c, 0), typeCodeOf(c), columnWidth(c)});
    ApplyItemLines(options.ItemLines, columns, types);
    Content.Data.TypesList = types;
    resizeColumns(static_cast<int>(columns.size()));
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        writeCell(c, 0, columns[size_t(c)].Name);
        setWidth(c, columns[size_t(c)].Width);
    }
    Content.Data.Formulas = options.Formulas;
    settle();
}

void Document::setLanguage(Language lang)
{
    replaceLanguage(lang);
    markModified(true);
}

BalanceOutcome Document::balance(bool autoCase, AtomicWeights weights, Medium medium,
                                 const std::vector<std::string>& given, ChosenReading* reading, bool keepRows)
{
    markModified(true);
    // The text's own coefficients, when it still has them, are the ones given.
    const bool own = given.empty() || !GivenCoefficients(reaction()).empty();
    ChosenReading chosen = BalanceReadings({own ? reaction() : WithGivenCoefficients(reaction(), given)},
                                           autoCase, autoCase, medium);
    BalanceOutcome outcome = chosen.Outcome;
    if (reading)
        *reading = std::move(chosen);
    if (outcome.status != BalanceOutcome::Status::Balanced) {
        replaceReaction(outcome.TidiedText);
        return outcome;
    }
    // One row a substance, as far as a document can hold them: only a document made with
    // thousands of columns and a reaction of hundreds of substances reaches the limit, and
    // then the last substances have no row.
    const long long rowsThatFit = std::max<long long>(2, MaxDocumentCells / columnCount());
    const int rows = static_cast<int>(std::min<long long>(outcome.Formulas.size() + 1, rowsThatFit));
    resizeRows(keepRows ? std::max(rows, rowCount()) : rows);
    FillBalanceColumns(Content.Data.Cells, typesList(), outcome.Formulas, outcome.CoefficientTexts, weights);
    // What Balance writes is given, also where it wrote the text a cell already had.
    for (int c = 0; c < columnCount(); ++c) {
        const char type = typeCodeOf(c);
        if (type == GridType::SubstanceFormula || type == GridType::SubstanceNumber ||
            type == GridType::AtomicWeight)
            for (int r = 1; r < rows; ++r)
                Content.WorkedOut[size_t(r)][size_t(c)] = false;
    }
    if (rows > 1)
        Observer->cellsChanged({1, rows - 1, 0, columnCount() - 1});
    replaceReaction(outcome.BalancedText);
    settle();
    return outcome;
}

void Document::useWeights(AtomicWeights weights)
{
    GridCells cells = this->cells();
    if (!RefillMolarMasses(cells, typesList(), weights))
        return;
    for (int r = 1; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (cells[size_t(r)][size_t(c)] != cell(c, r))
                writeCell(c, r, cells[size_t(r)][size_t(c)]);
    markModified(true);
    settle();
}

void Document::settle()
{
    if (hasWorkedOutCells() || !Content.Notes.empty())
        recalculate();
}

CalculationEnd Document::CalculationJob::run(CalculationBudget& budget)
{
    if (std::optional<WorkOutResult> whole =
            WorkOutAmounts(Recalculate ? Cells : Given, Formulas, Reactants, budget)) {
        // Worked out whole: every worked-out cell is written anew.
        Cells = std::move(whole->Cells);
        Notes = std::move(whole->Notes);
        LimitingRow = whole->LimitingRow;
        Recalculate = true;
        return whole->End;
    }
    if (UntilSettled)
        return CalculateUntilSettled(Cells, Formulas, budget);
    if (CalculateGrid(Cells, Formulas, budget))
        return CalculationEnd::Settled;
    return budget.Cancelled() ? CalculationEnd::Cancelled : CalculationEnd::OutOfWork;
}

Document::CalculationJob Document::calculationJob(bool recalculate, bool untilSettled) const
{
    CalculationJob job;
    job.Cells = cells();
    job.Formulas = formulas();
    job.Recalculate = recalculate;
    job.UntilSettled = untilSettled;
    // A name typed with the Persian yeh or kaf refers to a column a document names with the
    // Arabic letters, and the other way round.
    for (std::string& name : job.Cells[0])
        name = WithPersianLetters(name);
    for (std::string& formula : job.Formulas)
        formula = WithPersianLetters(formula);
    job.Formulas = WithSheetConstants(job.Formulas);
    GridCells& given = recalculate ? job.Cells : job.Given;
    if (!recalculate)
        given = job.Cells;
    for (const auto& [column, row] : workedOutCells())
        given[size_t(row)][size_t(column)].clear();
    // The substance rows follow the reaction: its reactants first.
    job.Reactants = rowCount();
    try {
        if (reaction().find('>') != std::string::npos)
            SplitFormulas(PrepareReaction(reaction()), job.Reactants);
    } catch (const std::exception&) {
        job.Reactants = rowCount();
    }
    return job;
}

void Document::applyCalculation(const CalculationJob& job)
{
    // A sweep only ever fills empty cells: the ones it filled are the worked-out ones.
    CellRange changed{rowCount(), -1, columnCount(), -1};
    for (int r = 1; r < rowCount() && r < int(job.Cells.size()); ++r)
        for (int c = 0; c < columnCount() && c < int(job.Cells[size_t(r)].size()); ++c) {
            const bool startedEmpty = cell(c, r).empty() || (job.Recalculate && isWorkedOut(c, r));
            const std::string& text = job.Cells[size_t(r)][size_t(c)];
            if (!startedEmpty || (text == cell(c, r) && isWorkedOut(c, r) == !text.empty()))
                continue;
            Content.Data.Cells[size_t(r)][size_t(c)] = text;
            Content.WorkedOut[size_t(r)][size_t(c)] = !text.empty();
            changed = {std::min(changed.FirstRow, r), r, std::min(changed.FirstColumn, c),
                       std::max(changed.LastColumn, c)};
        }
    if (Content.Notes != job.Notes || Content.LimitingRow != job.LimitingRow) {
        Content.Notes = job.Notes;
        Content.LimitingRow = job.LimitingRow;
        changed = {1, rowCount() - 1, 0, columnCount() - 1};
    }
    if (changed.LastRow >= 0)
        Observer->cellsChanged(changed);
    markModified(true);
}

namespace {
bool RunAtOnce(Document& document, Document::CalculationJob job)
{
    CalculationBudget budget;
    const CalculationEnd end = job.run(budget);
    document.applyCalculation(job);
    return end == CalculationEnd::Settled;
}
} // namespace

bool Document::calculate()
{
    return RunAtOnce(*this, calculationJob(false, false));
}

bool Document::calculateUntilSettled()
{
    return RunAtOnce(*this, calculationJob(false, true));
}

bool Document::recalculate()
{
    return RunAtOnce(*this, calculationJob(true, true));
}

void Document::resizeColumn(int column, int width)
{
    setWidth(column, width);
}

void Document::startNew(const std::string& defaultsFile)
{
    emptyDataRows();
    resizeRows(2);
    std::vector<std::string> lines;
    try {
        lines = ReadDocumentFile(defaultsFile);
    } catch (const FileError&) {
        // Without a defaults file the document keeps what it had.
    }
    if (!lines.empty()) {
        const DefaultsData d = ReadDefaultsLines(lines);
        if (d.Lang)
            replaceLanguage(*d.Lang);
        if (d.ColumnCount)
            resizeColumns(*d.ColumnCount);
        if (d.Widths)
            for (int c = 0; c < static_cast<int>(d.Widths->size()) && c < columnCount(); ++c)
                setWidth(c, (*d.Widths)[size_t(c)]);
        if (d.HeaderNames)
            for (int c = 0; c < static_cast<int>(d.HeaderNames->size()) && c < columnCount(); ++c)
                writeCell(c, 0, (*d.HeaderNames)[size_t(c)]);
        FontSettings fonts = this->fonts();
        for (int i = 0; i < static_cast<int>(d.Fonts.size()) && i < FontSettings::Count; ++i)
            fonts.At(i) = d.Fonts[size_t(i)];
        if (d.SubscriptsPosition)
            fonts.SubscriptsPosition = *d.SubscriptsPosition;
        replaceFonts(fonts);
        if (d.Formulas)
            Content.Data.Formulas = *d.Formulas;
        if (d.TypesList)
            Content.Data.TypesList = *d.TypesList;
    }
    replaceReaction(std::string());
    replaceFileName(std::string());
    markModified(false);
}

void Document::open(const std::string& path, const std::string& marksFolder)
{
    const std::vector<std::string> lines = ReadDocumentFile(path);
    DocumentData data;
    try {
        data = ReadDocumentLines(lines);
    } catch (const DocumentReadError& error) {
        // The language line comes before anything that can be wrong: the file's language
        // is in force for the message and the new document that follow.
        if (lines.size() > 1)
            replaceLanguage(LanguageOfDocumentTag(lines[1]));
        throw FileError(path, error.what());
    }
    replaceData(data);
    replaceFileName(path);
    markModified(false);
    // Only cells that hold a value can have been worked out.
    std::vector<CellPlace> marked;
    for (const CellPlace& place :
         ReadWorkedOutRecord(marksFolder, path, DocumentFileBytes(WriteDocumentLines(this->data()))))
        if (place.second >= 1 && !cell(place.first, place.second).empty())
            marked.push_back(place);
    markWorkedOut(marked);
}

void Document::save(const std::string& path, const std::string& marksFolder)
{
    const std::string bytes = DocumentFileBytes(WriteDocumentLines(data()));
    ReplaceFile(path, bytes);
    SaveWorkedOutRecord(marksFolder, path, bytes, workedOutCells());
    replaceFileName(path);
    markModified(false);
}

void Document::saveDefaults(const std::string& path) const
{
    DocumentData defaults = data();
    defaults.ReactionText.clear();
    ReplaceFile(path, DocumentFileBytes(WriteDocumentLines(defaults)));
}

std::vector<std::string> Document::htmlPage() const
{
    return BuildShownHtmlPage(caption(), reaction(), fonts(), ShowCells(*this), language());
}

void Document::restore(const DocumentContent& content)
{
    replaceContent(content);
}

void Document::undo(const DocumentChange& change)
{
    apply(change, false);
}

void Document::redo(const DocumentChange& change)
{
    apply(change, true);
}

void Document::setModified(bool modified)
{
    markModified(modified);
}

void Document::apply(const DocumentChange& change, bool after)
{
    if (change.Lang)
        replaceLanguage(change.Lang->side(after));
    if (change.Grid) {
        const GridContent& grid = change.Grid->side(after);
        Observer->gridShapeAboutToChange(DocumentObserver::Shape::Whole, rowCount(), int(grid.Cells.size()));
        Content.Data.Cells = grid.Cells;
        Content.WorkedOut = grid.WorkedOut;
        if (change.Widths)
            Content.Data.Widths = change.Widths->side(after);
        Observer->gridShapeChanged(DocumentObserver::Shape::Whole);
    } else if (change.Widths) {
        const std::vector<int>& widths = change.Widths->side(after);
        for (int c = 0; c < int(widths.size()); ++c)
            setWidth(c, widths[size_t(c)]);
    }
    CellRange changed{rowCount(), -1, columnCount(), -1};
    for (const CellChange& cell : change.Cells) {
        if (cell.Row < 0 || cell.Row >= rowCount() || cell.Column < 0 || cell.Column >= columnCount())
            continue;
        Content.Data.Cells[size_t(cell.Row)][size_t(cell.Column)] = cell.Text.side(after);
        Content.WorkedOut[size_t(cell.Row)][size_t(cell.Column)] = cell.WorkedOut.side(after);
        changed = {std::min(changed.FirstRow, cell.Row), std::max(changed.LastRow, cell.Row),
                   std::min(changed.FirstColumn, cell.Column), std::max(changed.LastColumn, cell.Column)};
    }
    if (change.Notes || change.LimitingRow) {
        if (change.Notes)
            Content.Notes = change.Notes->side(after);
        if (change.LimitingRow)
            Content.LimitingRow = change.LimitingRow->side(after);
        changed = {1, rowCount() - 1, 0, columnCount() - 1};
    }
    if (changed.LastRow >= 0)
        Observer->cellsChanged(changed);
    if (change.TypesList)
        Content.Data.TypesList = change.TypesList->side(after);
    if (change.Formulas)
        Content.Data.Formulas = change.Formulas->side(after);
    if (change.Fonts)
        replaceFonts(change.Fonts->side(after));
    if (change.Reaction)
        replaceReaction(change.Reaction->side(after));
}
