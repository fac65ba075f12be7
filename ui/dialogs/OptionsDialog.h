// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options dialog: the five fonts, the subscript position, the grid columns and the
// formulas of the open document. It keeps nothing between showings: every showing
// loads its controls from the document, OK and Default write them back, Cancel drops
// them. Default (the result DefaultResult) also asks its owner to save them as the
// defaults file of the interface language.

#include "document/FontSettings.h"
#include "ui/dialogs/OptionsPages.h"

class QTimer;

class OptionsDialog : public OptionsPages
{
    Q_OBJECT

  public:
    OptionsDialog(DocumentModel* document, QWidget* parent);

    // The dialog's result after Default; OK gives Accepted, Cancel Rejected.
    static constexpr int DefaultResult = 6;

    QTimer* redrawTimer = nullptr; // asks for the reaction line to be drawn once the dialog has gone

  signals:
    // OK or Default wrote the settings into the document; the grid's rows are to be
    // gridRowHeight pixels high, after its font.
    void settingsApplied(int gridRowHeight);
    // 100 ms after OK or Default: the reaction line is to be drawn with the new fonts.
    void redrawRequested();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void load(); // loads every control from the document (runs on every showing)
    void showItem();
    void itemEdited();
    void moveItemUp();
    void moveItemDown();
    void addItem();
    void deleteItem();
    void showFormula();
    void formulaEdited();
    void showReading();
    void addFormula();
    void deleteFormula();
    void showFormulaHelp();
    void applyAndClose();
    void applyAsDefault();
    int addMissingFace(QComboBox* box, const QString& name) const; // its index
    void loadItemEditors();
    void loadFormulaEditors();
    void applySettings(); // what OK and Default both write into the document
    void applyFontRows(FontSettings& fonts) const;

    bool LoadingEditors = false; // editor change reactions wait while the editors are loaded
};
