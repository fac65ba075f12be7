// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The chemistry core, one test class split over a source file per area.
class TestCore : public QObject
{
    Q_OBJECT

  private slots:
    // Exact fractions
    void parseFraction_data();
    void parseFraction();
    void parseFraction_rejects_data();
    void parseFraction_rejects();
    void fractionArithmetic_data();
    void fractionArithmetic();
    void commonDivisor_data();
    void commonDivisor();
    void overflowIsReported_data();
    void overflowIsReported();

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

    // Balancing solver
    void buildEquations_data();
    void buildEquations();
    void solverPasses_data();
    void solverPasses();
    void singlePass_data();
    void singlePass();
    void solveBalance_data();
    void solveBalance();
    void scaleToWholeNumbers_data();
    void scaleToWholeNumbers();

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
    void balanceReaction_givesUpQuicklyOnSeveralForms();
    void balanceReaction_exactSolutionWhenThePassesRunOutOfTime();

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
