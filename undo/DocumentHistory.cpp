// SPDX-License-Identifier: GPL-3.0-or-later
#include "undo/DocumentHistory.h"

#include "model/DocumentModel.h"

#include <QUndoCommand>

namespace {
// How far back the history reaches: a step keeps only what it changed, most no more than a
// few cells or a line of text.
constexpr int StepsKept = 200;

// Steps that may join the one before them: edits of one run of the reaction line.
constexpr int RunId = 1;

bool ReactionOnly(const std::vector<DocumentChange>& changes)
{
    return changes.size() == 1 && changes.front().Reaction && !changes.front().Lang &&
           !changes.front().Fonts && !changes.front().Formulas && !changes.front().TypesList &&
           !changes.front().Widths && changes.front().Cells.empty() && !changes.front().Grid;
}

class StepCommand : public QUndoCommand
{
  public:
    StepCommand(DocumentModel* document, DocumentStep step) : Document(document), Step(std::move(step)) {}

    const DocumentStep& step() const { return Step; }
    int id() const override { return Step.Run != 0 ? RunId : -1; }

    // The step was made as the model ran it: only a redo after an undo makes it again.
    void redo() override
    {
        if (std::exchange(Made, false))
            return;
        Document->redo(Step);
    }
    void undo() override { Document->undo(Step); }

    bool mergeWith(const QUndoCommand* other) override
    {
        const DocumentStep& next = static_cast<const StepCommand*>(other)->Step;
        if (next.Run != Step.Run || next.CaretBefore != Step.CaretAfter || next.Name != Step.Name)
            return false;
        if (ReactionOnly(Step.Changes) && ReactionOnly(next.Changes)) {
            BeforeAfter<std::string>& text = *Step.Changes.front().Reaction;
            text.After = next.Changes.front().Reaction->After;
            // Typed and deleted again: the run changed nothing.
            setObsolete(text.Before == text.After);
        } else {
            Step.Changes.insert(Step.Changes.end(), next.Changes.begin(), next.Changes.end());
        }
        Step.CaretAfter = next.CaretAfter;
        return true;
    }

  private:
    DocumentModel* Document;
    DocumentStep Step;
    bool Made = true;
};

const LocalText* NameOf(const QUndoCommand* command)
{
    return command ? static_cast<const StepCommand*>(command)->step().Name : nullptr;
}
} // namespace

DocumentHistory::DocumentHistory(DocumentModel* document, QObject* parent)
    : QObject(parent), Document(document)
{
    Stack.setUndoLimit(StepsKept);
    connect(document, &DocumentModel::stepMade, this, &DocumentHistory::keep);
    connect(document, &DocumentModel::historyStarted, this, &DocumentHistory::forgetAll);
    connect(document, &DocumentModel::saved, this, &DocumentHistory::markSaved);
    connect(&Stack, &QUndoStack::indexChanged, this, &DocumentHistory::follow);
    connect(&Stack, &QUndoStack::cleanChanged, this, &DocumentHistory::follow);
}

bool DocumentHistory::canUndo() const
{
    return Stack.canUndo() && !Document->inStep();
}

bool DocumentHistory::canRedo() const
{
    return Stack.canRedo() && !Document->inStep();
}

const LocalText* DocumentHistory::undoName() const
{
    return canUndo() ? NameOf(Stack.command(Stack.index() - 1)) : nullptr;
}

const LocalText* DocumentHistory::redoName() const
{
    return canRedo() ? NameOf(Stack.command(Stack.index())) : nullptr;
}

void DocumentHistory::undo()
{
    if (canUndo())
        Stack.undo();
}

void DocumentHistory::redo()
{
    if (canRedo())
        Stack.redo();
}

void DocumentHistory::keep(const DocumentStep& step)
{
    Stack.push(new StepCommand(Document, step));
    // A step joined to the one before moves no index, yet the document changed.
    follow();
}

void DocumentHistory::forgetAll()
{
    Stack.clear();
    follow();
}

void DocumentHistory::markSaved()
{
    Stack.setClean();
    follow();
}

void DocumentHistory::follow()
{
    Document->setModified(!Stack.isClean());
    emit changed();
}
