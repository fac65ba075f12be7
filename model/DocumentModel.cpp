// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DocumentModel.h"

#include "model/FilePath.h"
#include "model/GridModel.h"
#include "texts/Texts.h"

#include <algorithm>
#include <type_traits>

class DocumentModel::Relay : public DocumentObserver
{
  public:
    explicit Relay(DocumentModel* model) : Model(model) {}

    void gridShapeAboutToChange(Shape shape, int oldCount, int newCount) override
    {
        Model->Grid->shapeAboutToChange(shape, oldCount, newCount);
    }
    void gridShapeChanged(Shape shape) override { Model->Grid->shapeChanged(shape); }
    void cellsChanged(const CellRange& range) override { Model->Grid->cellsChanged(range); }
    void columnWidthChanged(int column) override { Model->Grid->widthChanged(column); }
    void reactionChanged() override { emit Model->reactionTextChanged(); }
    void languageChanged() override
    {
        Model->LanguageTold = true;
        emit Model->languageChanged(Model->language());
    }
    void fontsChanged() override { emit Model->fontsChanged(); }
    void fileNameChanged() override { emit Model->fileNameChanged(); }
    void modifiedChanged() override { emit Model->modificationChanged(Model->isModified()); }

  private:
    DocumentModel* Model;
};

DocumentModel::DocumentModel(QObject* parent)
    : QObject(parent), Grid(new GridModel(this)), Changes(std::make_unique<Relay>(this))
{
    Doc.setObserver(Changes.get());
}

DocumentModel::~DocumentModel()
{
    Doc.setObserver(nullptr);
}

QString DocumentModel::fileName() const
{
    return PathFromBytes(Doc.fileName());
}

QString DocumentModel::caption() const
{
    return PathFromBytes(Doc.caption());
}

template <typename Operation> auto DocumentModel::recorded(const LocalText& name, Operation operation)
{
    const bool wasModified = Doc.isModified();
    const DocumentContent before = Doc.content();
    const auto handChange = [&] { hand({&name, {ChangeBetween(before, Doc.content())}}, wasModified); };
    if constexpr (std::is_void_v<decltype(operation())>) {
        operation();
        handChange();
    } else {
        auto result = operation();
        handChange();
        return result;
    }
}

void DocumentModel::hand(DocumentStep step, bool wasModified)
{
    step.Changes.erase(std::remove_if(step.Changes.begin(), step.Changes.end(),
                                      [](const DocumentChange& change) { return change.changesNothing(); }),
                       step.Changes.end());
    if (step.Changes.empty()) {
        Doc.setModified(wasModified);
        return;
    }
    if (StepDepth > 0) {
        for (DocumentChange& change : step.Changes)
            Open.Changes.push_back(std::move(change));
        if (Open.CaretBefore < 0)
            Open.CaretBefore = step.CaretBefore;
        if (step.CaretAfter >= 0)
            Open.CaretAfter = step.CaretAfter;
        return;
    }
    emit stepMade(step);
}

void DocumentModel::beginStep(const LocalText& name)
{
    if (StepDepth++ == 0) {
        Open = DocumentStep{&name, {}, 0, -1, -1};
        OpenWasModified = Doc.isModified();
    }
}

void DocumentModel::endStep()
{
    if (StepDepth == 0 || --StepDepth > 0)
        return;
    hand(std::exchange(Open, DocumentStep()), OpenWasModified);
}

void DocumentModel::undo(const DocumentStep& step)
{
    for (auto change = step.Changes.rbegin(); change != step.Changes.rend(); ++change)
        Doc.undo(*change);
    if (step.CaretBefore >= 0)
        emit caretRestored(step.CaretBefore);
}

void DocumentModel::redo(const DocumentStep& step)
{
    for (const DocumentChange& change : step.Changes)
        Doc.redo(change);
    if (step.CaretAfter >= 0)
        emit caretRestored(step.CaretAfter);
}

void DocumentModel::setModified(bool modified)
{
    Doc.setModified(modified);
}

void DocumentModel::setReaction(const std::string& text, const ReactionEdit& edit)
{
    const bool wasModified = Doc.isModified();
    DocumentChange change;
    if (text != Doc.reaction())
        change.Reaction = BeforeAfter<std::string>{Doc.reaction(), text};
    Doc.setReaction(text);
    hand({edit.Name ? edit.Name : &Texts::StepTyping,
          {std::move(change)},
          edit.Run,
          edit.CaretBefore,
          edit.CaretAfter},
         wasModified);
}

void DocumentModel::setCell(int column, int row, const QString& text)
{
    // On a calculated sheet the edit works the other cells out again: the step keeps them all.
    if (Doc.hasWorkedOutCells() || !Doc.notes().empty()) {
        recorded(Texts::StepCellEdit, [&] { Doc.setCell(column, row, text.toStdString()); });
        return;
    }
    const bool wasModified = Doc.isModified();
    const bool inGrid = column >= 0 && column < Doc.columnCount() && row >= 0 && row < Doc.rowCount();
    const std::string before = Doc.cell(column, row);
    const bool markBefore = Doc.isWorkedOut(column, row);
    Doc.setCell(column, row, text.toStdString());
    DocumentChange change;
    if (inGrid && (before != Doc.cell(column, row) || markBefore != Doc.isWorkedOut(column, row)))
        change.Cells.push_back(
            {column, row, {before, Doc.cell(column, row)}, {markBefore, Doc.isWorkedOut(column, row)}});
    hand({&Texts::StepCellEdit, {std::move(change)}}, wasModified);
}

void DocumentModel::applyOptions(const DocumentOptions& options)
{
    recorded(Texts::StepOptions, [&] { Doc.applyOptions(options); });
}

void DocumentModel::setLanguage(Language lang)
{
    const bool wasModified = Doc.isModified();
    DocumentChange change;
    if (lang != Doc.language())
        change.Lang = BeforeAfter<Language>{Doc.language(), lang};
    LanguageTold = false;
    Doc.setLanguage(lang);
    if (!LanguageTold)
        emit languageChanged(lang);
    hand({&Texts::StepLanguage, {std::move(change)}}, wasModified);
}

BalanceOutcome DocumentModel::balance(bool autoCase, AtomicWeights weights, Medium medium,
                                      const std::vector<std::string>& given, ChosenReading* reading)
{
    return recorded(Texts::StepBalance,
                    [&] { return Doc.balance(autoCase, weights, medium, given, reading); });
}

void DocumentModel::setSignificantFigures(int figures)
{
    Doc.setSignificantFigures(figures);
}

void DocumentModel::useWeights(AtomicWeights weights)
{
    recorded(Texts::StepWeights, [&] { Doc.useWeights(weights); });
}

bool DocumentModel::calculate()
{
    return recorded(Texts::StepCalculate, [&] { return Doc.calculate(); });
}

bool DocumentModel::calculateUntilSettled()
{
    return recorded(Texts::StepCalculate, [&] { return Doc.calculateUntilSettled(); });
}

bool DocumentModel::recalculate()
{
    return recorded(Texts::StepRecalculate, [&] { return Doc.recalculate(); });
}

Document::CalculationJob DocumentModel::calculationJob(bool recalculate, bool untilSettled) const
{
    return Doc.calculationJob(recalculate, untilSettled);
}

void DocumentModel::applyCalculation(const Document::CalculationJob& job)
{
    recorded(job.Recalculate ? Texts::StepRecalculate : Texts::StepCalculate,
             [&] { Doc.applyCalculation(job); });
}

void DocumentModel::resizeColumn(int column, int width)
{
    Doc.resizeColumn(column, width);
}

void DocumentModel::startNew(const QString& defaultsFile)
{
    Doc.startNew(PathBytes(defaultsFile));
    Open.Changes.clear();
    emit historyStarted();
}

void DocumentModel::open(const QString& fileName, const QString& marksFolder)
{
    Doc.open(PathBytes(fileName), PathBytes(marksFolder));
    Open.Changes.clear();
    emit historyStarted();
}

void DocumentModel::save(const QString& fileName, const QString& marksFolder)
{
    Doc.save(PathBytes(fileName), PathBytes(marksFolder));
    emit saved();
}

void DocumentModel::saveDefaults(const QString& fileName) const
{
    Doc.saveDefaults(PathBytes(fileName));
}

void DocumentModel::restore(const DocumentContent& content)
{
    Doc.restore(content);
}
