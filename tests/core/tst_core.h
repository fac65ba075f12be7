// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The chemistry core, one test class split over a source file per area.
class TestCore : public QObject
{
    Q_OBJECT

  private slots:
    // Reaction and formula parsing
    void prepareReaction_data();
    void prepareReaction();
    void splitSubstances_data();
    void splitSubstances();
    void collectElements_data();
    void collectElements();
    void countElements_data();
    void countElements();
    void countElements_rejects_data();
    void countElements_rejects();

    // Element table and molar mass
    void molarMass_data();
    void molarMass();
    void molarMass_rejects_data();
    void molarMass_rejects();
    void elementLookup_data();
    void elementLookup();
    void molarMass_ignoresTheLocale();
    void preciseMolarMass_data();
    void preciseMolarMass();
    void preciseWeightsBelongToTheirElements();

    // Reaction-line text rules
    void mapKey_data();
    void mapKey();
    void mapKeyTakesWholeCharacters();
    void tidyReaction_data();
    void tidyReaction();
    void typeReaction_data();
    void typeReaction();
    void typing_matchesTheLineTidiedKeyByKey();

    // The Windows-1256 code page of documents
    void keepCodePageText_data();
    void keepCodePageText();
    void codePageDecodesEveryByteAndEncodesItBack();

    // Balance
    void composeBalancedReaction_data();
    void composeBalancedReaction();
    void balanceReaction_data();
    void balanceReaction();
    void balanceReaction_fillsTheGridLists();
    void balanceReaction_isStableOnItsOwnOutput();
    void balanceReaction_keepsTheOldAnswers_data();
    void balanceReaction_keepsTheOldAnswers();

    // Textbook notation in and out
    void readReactionLine_data();
    void readReactionLine();
    void writtenForms_data();
    void writtenForms();
    void writtenBack_data();
    void writtenBack();
    void notationRoundTrip_data();
    void notationRoundTrip();
    void notationWriters_data();
    void notationWriters();
    void balanceAsJson_data();
    void balanceAsJson();

    // Corpus of textbook reactions
    void corpus_data();
    void corpus();
};
