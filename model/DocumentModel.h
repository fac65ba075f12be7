// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The open document for Qt: a thin QObject over the one Document (document/Document) that
// forwards its operations and signals what changed, and the grid model over its cells.
// Windows observe it through its signals; nothing else holds any of the document's state.
//
// Every operation marks the document modified but New, Open and Save, which clear the mark,
// and a column resized on screen; one that changes nothing leaves the mark as it was. For an
// undo history, every operation that changes the document signals its step, New and Open
// start the history afresh and Save marks its place. Open and Save throw FileError,
// whose text says why ("PATH: cause"); the command that ran them catches it and shows its
// message.

#include "document/Document.h"
#include "model/DocumentStep.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <string>
#include <vector>

class GridModel;

class DocumentModel : public QObject
{
    Q_OBJECT

  public:
    explicit DocumentModel(QObject* parent = nullptr);
    ~DocumentModel() override;

    const Document& document() const { return Doc; }
    GridModel* grid() const { return Grid; }

    const std::string& reactionText() const { return Doc.reaction(); }
    Language language() const { return Doc.language(); }
    const FontSettings& fonts() const { return Doc.fonts(); }
    const std::vector<std::string>& formulas() const { return Doc.formulas(); }
    // The full path of the file, empty while untitled; the window caption follows it.
    QString fileName() const;
    QString caption() const; // "Stoikon - " and the name, or "Stoikon - Untitled"
    bool isModified() const { return Doc.isModified(); }

    // The document's operations (document/Document.h tells what each does).
    void setReaction(const std::string& text, const ReactionEdit& edit = {});
    void setCell(int column, int row, const QString& text);
    void applyOptions(const DocumentOptions& options);
    // The interface follows the language even when it stays the same, as at start-up.
    void setLanguage(Language lang);
    BalanceOutcome balance(bool autoCase, AtomicWeights weights, Medium medium = Medium::None,
                           const std::vector<std::string>& given = {}, ChosenReading* reading = nullptr);
    void useWeights(AtomicWeights weights);
    void setSignificantFigures(int figures); // how worked-out numbers are shown
    bool calculate();
    bool calculateUntilSettled();
    bool recalculate();
    Document::CalculationJob calculationJob(bool recalculate, bool untilSettled) const;
    void applyCalculation(const Document::CalculationJob& job);
    void resizeColumn(int column, int width);
    void startNew(const QString& defaultsFile);
    void open(const QString& fileName, const QString& marksFolder);
    void save(const QString& fileName, const QString& marksFolder);
    void saveDefaults(const QString& fileName) const;
    void restore(const DocumentContent& content);

    // The operations from beginStep to its endStep are one step of the history, named name:
    // Balance with its clean-up and its second try in solution, a paste typed key by key.
    // Steps within a step join the outer one.
    void beginStep(const LocalText& name);
    void endStep();
    bool inStep() const { return StepDepth > 0; }
    // A step of the history taken back or made again, and the history's word on the flag.
    void undo(const DocumentStep& step);
    void redo(const DocumentStep& step);
    void setModified(bool modified);

  signals:
    void modificationChanged(bool modified);
    void reactionTextChanged();
    void languageChanged(Language lang);
    void fontsChanged();
    void fileNameChanged();
    // An undo or redo of an edit of the reaction line puts the caret back here.
    void caretRestored(int pos);
    // For the undo history: a step made; a new or opened document, so that nothing before it
    // can be undone; saved, so that the document is unmodified when the history is back here.
    void stepMade(const DocumentStep& step);
    void historyStarted();
    void saved();

  private:
    class Relay; // tells the document's changes on as signals

    Document Doc;
    GridModel* Grid;
    std::unique_ptr<Relay> Changes;
    bool LanguageTold = false; // the operation running has told of a new language

    // Runs an operation that may change anything, and hands its change on as a step.
    template <typename Operation> auto recorded(const LocalText& name, Operation operation);
    void hand(DocumentStep step, bool wasModified);
    int StepDepth = 0;
    DocumentStep Open; // the step begun, while StepDepth > 0
    bool OpenWasModified = false;
};

// One step of the history from its making to its end (beginStep to endStep), even when the
// work in it ends early; a model deleted meanwhile is left alone.
class StepScope
{
  public:
    StepScope(DocumentModel& model, const LocalText& name) : Model(&model) { model.beginStep(name); }
    ~StepScope()
    {
        if (Model)
            Model->endStep();
    }
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;

  private:
    QPointer<DocumentModel> Model;
};
