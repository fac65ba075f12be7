// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The undo history of the open document: a QUndoStack of the steps its model hands over
// (model/DocumentStep.h), each a command that takes its step back or makes it again. The
// document is unmodified exactly when the stack is at the step it was last saved at; New and
// Open start the stack afresh. Letters typed into the reaction line join into a step a
// formula, as editors join typing into a step a word.
//   DocumentHistory history(model);
//   history.undo(); // the model's document as before its last step

#include "model/DocumentStep.h"

#include <QObject>
#include <QPointer>
#include <QUndoStack>

class DocumentModel;

class DocumentHistory : public QObject
{
    Q_OBJECT

  public:
    explicit DocumentHistory(DocumentModel* document, QObject* parent = nullptr);

    // Nothing is taken back or made again while a step is being made (a paste still typing).
    bool canUndo() const;
    bool canRedo() const;
    // What undo and redo would take back or make again; null when nothing.
    const LocalText* undoName() const;
    const LocalText* redoName() const;
    void undo();
    void redo();
    const QUndoStack& stack() const { return Stack; }

  signals:
    // What undo and redo can do changed.
    void changed();

  private:
    // What the document model signals: a step made, a history started afresh, a save.
    void keep(const DocumentStep& step);
    void forgetAll();
    void markSaved();
    void follow(); // the document's flag and the signal

    QPointer<DocumentModel> Document; // a window deletes its model before its history
    QUndoStack Stack;
};
