// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/DocumentModel.h"

#include "core/ReadingChoice.h"
#include "document/DocumentFile.h"
#include "document/DocumentIO.h"
#include "document/FilePath.h"
#include "document/HtmlPage.h"
#include "grid/BalanceColumns.h"
#include "grid/GridCalculation.h"
#include "grid/GridItems.h"
#include "grid/GridModel.h"

#include <algorithm>

DocumentModel::DocumentModel(QObject* parent)
    : QObject(parent), Grid(new GridModel(this)), Formulas(BuiltInFormulaLines())
{
}

void DocumentModel::setReactionText(const std::string& text)
{
    if (ReactionText == text)
        return;
    ReactionText = text;
    emit reactionTextChanged();
}

void DocumentModel::setLanguage(Language lang)
{
    if (DocumentLanguage == lang)
        return;
    DocumentLanguage = lang;
    emit languageChanged(lang);
}

void DocumentModel::setFonts(const FontSettings& givenFonts)
{
    FontSettings fonts = givenFonts;
    for (int i = 0; i < FontSettings::Count; ++i)
        fonts.At(i).Size = std::clamp(fonts.At(i).Size, SmallestFontSize, LargestFontSize);
    if (Fonts == fonts)
        return;
    Fonts = fonts;
    emit fontsChanged();
}

void DocumentModel::setFileName(const QString& fileName)
{
    if (FileName == fileName)
        return;
    FileName = fileName;
    emit fileNameChanged();
}

QString DocumentModel::caption() const
{
    return QString::fromStdString(DocumentCaption(FileName.toStdString()));
}

void DocumentModel::setModified(bool modified)
{
    if (Modified == modified)
        return;
    Modified = modified;
    emit modificationChanged(modified);
}

DocumentData DocumentModel::toData() const
{
    DocumentData doc;
    doc.ReactionText = ReactionText;
    doc.Farsi = DocumentLanguage == Language::Farsi;
    doc.Widths = Grid->columnWidths();
    doc.Cells = Grid->cells();
    doc.Fonts = Fonts;
    doc.Formulas = Formulas;
    doc.TypesList = Grid->typesList();
    return doc;
}

void DocumentModel::setData(const DocumentData& doc)
{
    setLanguage(doc.Farsi ? Language::Farsi : Language::English);
    setReactionText(doc.ReactionText);
    Grid->setCells(doc.Cells);
    for (int c = 0; c < static_cast<int>(doc.Widths.size()) && c < Grid->gridColumnCount(); ++c)
        Grid->setColumnWidth(c, doc.Widths[size_t(c)]);
    setFonts(doc.Fonts);
    Formulas = doc.Formulas;
    Grid->setTypesList(doc.TypesList);
}

bool DocumentModel::load(const QString& fileName, std::string* reason)
{
    const auto lines = ReadCodePageLines(fileName, reason);
    if (!lines)
        return false;
    DocumentData doc;
    try {
        doc = ReadDocumentLines(*lines);
    } catch (const DocumentReadError& error) {
        if (reason)
            *reason = PathBytes(fileName) + ": " + error.what();
        // The language line comes before anything that can be wrong: the file's language
        // is in force for the message and the new document that follow.
        if (lines->size() > 1)
            setLanguage((*lines)[1] == "E" ? Language::English : Language::Farsi);
        return false;
    }
    setData(doc);
    setFileName(fileName);
    setModified(false);
    return true;
}

bool DocumentModel::saveTo(const QString& fileName, std::string* reason) const
{
    return WriteCodePageLines(fileName, WriteDocumentLines(toData()), reason);
}

void DocumentModel::startNew(const QString& defaultsFile)
{
    Grid->clearDataRows();
    Grid->setGridRowCount(2);
    if (const auto lines = ReadCodePageLines(defaultsFile)) {
        const DefaultsData d = ReadDefaultsLines(*lines);
        if (d.Farsi)
            setLanguage(*d.Farsi ? Language::Farsi : Language::English);
        if (d.ColumnCount)
            Grid->setGridColumnCount(*d.ColumnCount);
        if (d.Widths)
            for (int c = 0; c < static_cast<int>(d.Widths->size()) && c < Grid->gridColumnCount(); ++c)
                Grid->setColumnWidth(c, (*d.Widths)[size_t(c)]);
        if (d.HeaderNames)
            for (int c = 0; c < static_cast<int>(d.HeaderNames->size()) && c < Grid->gridColumnCount(); ++c)
                Grid->setCell(c, 0, QString::fromStdString((*d.HeaderNames)[size_t(c)]));
        FontSettings fonts = Fonts;
        for (int i = 0; i < static_cast<int>(d.Fonts.size()) && i < FontSettings::Count; ++i)
            fonts.At(i) = d.Fonts[size_t(i)];
        if (d.SubscriptsPosition)
            fonts.SubscriptsPosition = *d.SubscriptsPosition;
        setFonts(fonts);
        if (d.Formulas)
            Formulas = *d.Formulas;
        if (d.TypesList)
            Grid->setTypesList(*d.TypesList);
    }
    setReactionText(std::string());
    setFileName(QString());
    setModified(false);
}

bool DocumentModel::writeDefaults(const QString& fileName) const
{
    DocumentData doc = toData();
    doc.ReactionText.clear();
    return WriteCodePageLines(fileName, WriteDocumentLines(doc));
}

BalanceOutcome DocumentModel::balance(bool autoCase, AtomicWeights weights, Medium medium,
                                      const std::vector<std::string>& given, ChosenReading* reading,
                                      bool keepRows)
{
    setModified(true);
    // The text's own coefficients, when it still has them, are the ones given.
    const bool own = given.empty() || !GivenCoefficients(ReactionText).empty();
    ChosenReading chosen = BalanceReadings({own ? ReactionText : WithGivenCoefficients(ReactionText, given)},
                                           autoCase, autoCase, medium);
    BalanceOutcome outcome = chosen.Outcome;
    if (reading)
        *reading = std::move(chosen);
    if (outcome.status != BalanceOutcome::Status::Balanced) {
        setReactionText(outcome.TidiedText);
        return outcome;
    }
    // One row a substance, as far as a document can hold them: only a document made with
    // thousands of columns and a reaction of hundreds of substances reaches the limit, and
    // then the last substances have no row.
    const long long rowsThatFit = std::max<long long>(2, MaxDocumentCells / Grid->gridColumnCount());
    const int rows = static_cast<int>(std::min<long long>(outcome.Formulas.size() + 1, rowsThatFit));
    Grid->setGridRowCount(keepRows ? std::max(rows, Grid->gridRowCount()) : rows);
    GridCells cells = Grid->cells();
    FillBalanceColumns(cells, Grid->typesList(), outcome.Formulas, outcome.CoefficientTexts, weights);
    Grid->updateCells(cells);
    // What Balance writes is given, also where it wrote the text a cell already had.
    for (int c = 0; c < Grid->gridColumnCount(); ++c) {
        const char type = Grid->typeCodeOf(c);
        if (type == GridType::SubstanceFormula || type == GridType::SubstanceNumber ||
            type == GridType::AtomicWeight)
            for (int r = 1; r < rows; ++r)
                Grid->setWorkedOut(c, r, false);
    }
    setReactionText(outcome.BalancedText);
    return outcome;
}

bool DocumentModel::calculateGrid(bool* complete)
{
    GridCells cells = Grid->cells();
    const bool finished = CalculateGrid(cells, Formulas);
    if (complete)
        *complete = finished;
    const bool changed = cells != Grid->cells();
    Grid->updateCells(cells, GridModel::Origin::WorkedOut);
    setModified(true);
    return changed;
}

DocumentModel::CalculationJob DocumentModel::calculationJob(bool recalculate) const
{
    CalculationJob job{Grid->cells(), Formulas, recalculate};
    if (recalculate)
        for (size_t r = 1; r < job.Cells.size(); ++r)
            for (size_t c = 0; c < job.Cells[r].size(); ++c)
                if (Grid->isWorkedOut(int(c), int(r)))
                    job.Cells[r][c].clear();
    return job;
}

void DocumentModel::applyCalculation(const CalculationJob& job)
{
    if (job.Recalculate)
        Grid->clearWorkedOutCells();
    Grid->updateCells(job.Cells, GridModel::Origin::WorkedOut);
    setModified(true);
}

bool DocumentModel::recalculateGrid()
{
    return calculateUntilSettled(true);
}

bool DocumentModel::calculateUntilSettled(bool recalculate)
{
    CalculationJob job = calculationJob(recalculate);
    CalculationBudget budget;
    const CalculationEnd end = CalculateUntilSettled(job.Cells, job.Formulas, budget);
    applyCalculation(job);
    return end == CalculationEnd::Settled;
}

std::vector<std::string> DocumentModel::htmlPage() const
{
    return BuildHtmlPage(caption().toStdString(), ReactionText, Fonts, Grid->cells(), DocumentLanguage);
}

bool DocumentModel::writeHtmlPage(const QString& fileName, std::string* reason) const
{
    return WriteCodePageLines(fileName, htmlPage(), reason);
}
