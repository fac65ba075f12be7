// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the notation tests share: a line read and balanced as --balance does it, the check that
// a reaction written in every notation reads back to the same balance, and a table row.

#include "core/Balance.h"
#include "core/NotationWriters.h"
#include "core/ReactionParser.h"
#include "core/ReadingChoice.h"
#include "core/TextbookNotation.h"

#include <QTest>

// A line read and balanced as --balance does it: the balanced text, or why it failed.
inline QString Balanced(const std::string& line, WrittenReaction* written = nullptr,
                        std::vector<std::string>* coefficients = nullptr)
{
    const NotationReading reading = ReadReactionLine(line, KeyOptions());
    if (reading.BadPosition)
        return "unreadable";
    const ChosenReading chosen =
        BalanceReading(reading, WithGivenCoefficients(reading.Text, reading.Coefficients), true);
    if (written && reading.Textbook)
        *written = ChosenWritten(reading, chosen);
    if (coefficients)
        *coefficients = chosen.Outcome.CoefficientTexts;
    switch (chosen.Outcome.status) {
    case BalanceOutcome::Status::Balanced:
        return QString::fromStdString(chosen.Outcome.BalancedText);
    case BalanceOutcome::Status::CannotBalance:
        return "cannot balance";
    default:
        return "invalid";
    }
}

// Written in every notation and read back, the reaction balances the same way.
inline void CheckWrittenBack(const std::string& line, const WrittenReaction& written,
                             const std::vector<std::string>& coefficients, const QString& balanced)
{
    for (WrittenFormat format : {WrittenFormat::Unicode, WrittenFormat::Latex, WrittenFormat::Html}) {
        const std::string text = ReactionAsWritten(written, coefficients, format);
        QVERIFY2(Balanced(text) == balanced, text.c_str());
    }
    const std::string json = InputWithCoefficients(line, written, coefficients);
    QVERIFY2(Balanced(json) == balanced, json.c_str());
}

inline void Row(const char* written, const char* balanced)
{
    QTest::newRow(written) << QString::fromUtf8(written) << QString(balanced);
}
