// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BalanceReading.h"

#include "core/ChargeNotation.h"
#include "core/Errors.h"
#include "core/ReactionText.h"

#include <algorithm>

namespace {

using Status = BalanceOutcome::Status;

bool Refuse(ReactionRefused& refused, Status status, RefusalReason reason,
            std::vector<std::string> names = {}, std::vector<std::string> otherNames = {})
{
    refused = ReactionRefused{status, reason, std::move(names), std::move(otherNames)};
    return false;
}

// Where an answer is composed: on the stack for the usual reaction, on the heap for a very
// long one. The answer is copied out of it once, so allocated once and never filled twice.
class ComposeBuffer
{
    char Small[256];
    std::string Large;

  public:
    explicit ComposeBuffer(size_t size)
        : Data(size <= sizeof Small ? Small : (Large.resize(size), Large.data()))
    {
    }
    char* const Data;
};

// The pieces of a composed answer are short: copied a character at a time, not by a call
// each.
char* CopyPiece(std::string_view piece, char* out)
{
    for (const char c : piece)
        *out++ = c;
    return out;
}

} // namespace

bool ReactionReading::Charged() const
{
    return !Elements.empty() && Elements.back() == ChargeSymbol;
}

const std::vector<std::string_view>& ReactionReading::PreparedFormulas() const
{
    if (!IsPrepared) {
        thread_local std::vector<std::string_view> shown;
        int reactants = 0;
        PrepareAndSplit(Text, Prepared, reactants, Formulas, shown);
        IsPrepared = true;
    }
    return Formulas;
}

namespace {

// The usual reaction read straight from its text, a count left out read as 1, with no
// prepared copy made: what reads so reads as it would prepared. False when anything is out
// of the ordinary (a substance missing, a formula that does not read): the full reading
// then starts again and says what it finds.
// The text is cut into Shown already (with the reactants counted), and endsInSeparator
// tells whether it ends in a cut.
bool ReadAsWritten(size_t letters, bool endsInSeparator, ReactionReading& r)
{
    const size_t n = r.Shown.size();
    // A separator at the end leaves a substance out (and the prepared text one more).
    if (r.Reactants == 0 || size_t(r.Reactants) == n || endsInSeparator)
        return false;
    for (const std::string_view formula : r.Shown)
        if (formula.empty())
            return false;
    return CollectAndCount(r.Shown, r.Reactants, letters, r.Elements, r.Sides, r.Counts, true);
}

// The reading from the prepared text, which says why a reaction does not read.
bool ReadPrepared(const std::string& text, size_t letters, ReactionReading& r, ReactionRefused& refused)
{
    PrepareAndSplit(text, r.Prepared, r.Reactants, r.Formulas, r.Shown);
    r.IsPrepared = true;
    if (r.Shown.size() != r.Formulas.size() || r.Reactants == 0 || size_t(r.Reactants) == r.Formulas.size())
        return Refuse(refused, Status::InvalidReaction, RefusalReason::MissingSubstance);
    for (const std::string_view formula : r.Shown)
        if (formula.empty())
            return Refuse(refused, Status::InvalidReaction, RefusalReason::MissingSubstance);
    if (CollectAndCount(r.Formulas, r.Reactants, letters, r.Elements, r.Sides, r.Counts))
        return true;
    CollectElements(r.Prepared, r.Prepared.find('>'), r.Elements, r.Sides);
    // Named: the first formula that does not read on its own (one reads together with
    // the others exactly when it reads alone).
    for (size_t k = 0; k < r.Formulas.size(); ++k)
        if (!FormulaReads(r.Formulas[k], r.Elements))
            return Refuse(refused, Status::InvalidReaction, RefusalReason::UnreadableFormula,
                          {std::string(r.Shown[k])});
    CountFormulas(r.Formulas, r.Elements, r.Counts);
    return true;
}

} // namespace

bool ReadReaction(const std::string& text, bool bothSides, ReactionReading& r, ReactionRefused& refused)
{
    if (text.empty())
        return Refuse(refused, Status::InvalidReaction, RefusalReason::Empty);
    // One walk checks the characters, counts the letters and arrows, and cuts the text into
    // its substances (SplitFormulas: a "+" right after "^" and digits is a charge's sign).
    size_t letters = 0; // the most elements the text can hold
    size_t arrows = 0;
    bool chargeOpen = false;
    size_t start = 0;
    r.Shown.clear();
    r.Reactants = -1;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsUpperLetter(c) || IsLowerLetter(c)) { // the most characters
            ++letters;
            chargeOpen = false;
            continue;
        }
        if (c == '>' || (c == '+' && !chargeOpen)) {
            r.Shown.emplace_back(text.data() + start, i - start);
            start = i + 1;
            if (c == '>' && arrows++ == 0)
                r.Reactants = int(r.Shown.size());
        } else if (!IsReactionChar(c)) { // only from a document: typing drops them
            return Refuse(refused, Status::InvalidReaction, RefusalReason::UnreadableCharacter,
                          {EncodeUtf8(DecodeUtf8(text.substr(i)).substr(0, 1))});
        }
        chargeOpen = c == '^' || (chargeOpen && IsDigitChar(c));
    }
    if (arrows == 0)
        return Refuse(refused, Status::InvalidReaction, RefusalReason::NoArrow);
    if (arrows > 1)
        return Refuse(refused, Status::InvalidReaction, RefusalReason::SeveralArrows);
    const bool endsInSeparator = start == text.size();
    if (!endsInSeparator)
        r.Shown.emplace_back(text.data() + start, text.size() - start);

    r.Text = text;
    r.IsPrepared = false;
    if (!ReadAsWritten(letters, endsInSeparator, r) && !ReadPrepared(text, letters, r, refused))
        return false;
    // A formula without atoms (the electron has its charge) is no substance either.
    const size_t entries = r.Elements.size();
    for (size_t k = 0; k < r.Shown.size(); ++k) {
        const std::int64_t* const row = r.Counts.Row(k);
        bool hasAtoms = false;
        for (size_t e = 0; e < entries && !hasAtoms; ++e)
            hasAtoms = row[e] != 0;
        if (!hasAtoms)
            return Refuse(refused, Status::InvalidReaction, RefusalReason::UnreadableFormula,
                          {std::string(r.Shown[k])});
    }
    // Both sides must hold the same elements. Charge, listed last, may stand on one side
    // alone (Cu>Cu^2++2e^-): it balances when it sums to the same on both.
    if (bothSides) {
        std::vector<std::string> leftOnly, rightOnly;
        const size_t elements = entries - r.Charged();
        for (size_t e = 0; e < elements; ++e)
            if (r.Sides[e] != 3)
                (r.Sides[e] == 1 ? leftOnly : rightOnly).push_back(r.Elements[e]);
        if (!leftOnly.empty() || !rightOnly.empty())
            return Refuse(refused, Status::InvalidReaction, RefusalReason::ElementOnOneSide, leftOnly,
                          rightOnly);
    }
    return true;
}

void ReadReaction(const std::string& text, bool bothSides, ReactionReading& reading)
{
    ReactionRefused refused{};
    if (!ReadReaction(text, bothSides, reading, refused))
        throw refused;
}

std::string ComposeBalancedReaction(const std::vector<std::string_view>& prepared,
                                    const std::vector<std::string>& coefficients, int reactants)
{
    size_t size = 0;
    for (size_t i = 0; i < prepared.size(); ++i)
        size += prepared[i].size() + 1 + (i < coefficients.size() ? coefficients[i].size() : 1);
    ComposeBuffer buffer(size);
    char* const t = buffer.Data;
    char* out = t;
    for (size_t i = 0; i < prepared.size(); ++i) {
        if (i > 0)
            *out++ = int(i) == reactants ? '>' : '+';
        out = CopyPiece(i < coefficients.size() ? std::string_view(coefficients[i]) : std::string_view("1"),
                        out);
        out = CopyPiece(prepared[i], out);
    }
    // Remove every "1" that stands alone: not after "-" or a digit, not before a digit, and
    // not between a letter and a lower-case one, which it keeps apart (O1p is O and p, Op
    // one symbol). Each character is judged by the kept one before it and the next one, so
    // the kept text is written over the text itself; the first and the last character are
    // handled after the walk.
    const size_t n = size_t(out - t);
    size_t kept = n > 0 ? 1 : 0;
    for (size_t p = 1; p + 1 < n; ++p) {
        if (t[p] == '1') { // only a "1" is judged
            const char before = t[kept - 1];
            const bool joins = (IsUpperLetter(before) || IsLowerLetter(before)) && IsLowerLetter(t[p + 1]);
            if (before != '-' && !IsDigitChar(before) && !IsDigitChar(t[p + 1]) && !joins)
                continue;
        }
        t[kept++] = t[p];
    }
    if (n > 1)
        t[kept++] = t[n - 1];
    size_t first = 0;
    if (kept > 0 && t[0] == '1' && (kept < 2 || !IsDigitChar(t[1])))
        first = 1;
    // Unlike the walk, a "-" does not protect the last "1": a final count of -1 is written
    // as a bare "-", which reads back as -1.
    if (kept - first >= 2 && t[kept - 1] == '1' && !IsDigitChar(t[kept - 2]))
        --kept;
    return std::string(t + first, kept - first);
}

namespace {

// Copies formula to out when every "1" the preparation puts into it stands alone, so that
// the answer composed from formula as written is the one composed from it prepared: it
// holds no "1" (a written one may stay or go), begins with a letter or "(" (so no count
// runs into its coefficient), and has a "-" only as its charge's sign at its end (after
// which no "1" is put, and before which a "1" stays). Null when it is not so.
char* CopyAsWritten(std::string_view formula, char* out)
{
    if (formula.empty() || !(IsUpperLetter(formula[0]) || IsLowerLetter(formula[0]) || formula[0] == '('))
        return nullptr;
    for (size_t i = 0; i < formula.size(); ++i) {
        const char c = formula[i];
        if (c == '1')
            return nullptr;
        if (c == '-') {
            size_t j = i;
            while (j > 0 && IsDigitChar(formula[j - 1]))
                --j;
            if (i + 1 != formula.size() || j == 0 || formula[j - 1] != '^')
                return nullptr;
        }
        *out++ = c;
    }
    return out;
}

} // namespace

bool ComposeAsWritten(const std::vector<std::string_view>& shown,
                      const std::vector<std::string>& coefficients, int reactants, std::string& text)
{
    // Coefficients are positive here: only a lone "1" goes.
    if (coefficients.size() < shown.size())
        return false;
    size_t size = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        size += shown[i].size() + 1 + coefficients[i].size();
    ComposeBuffer buffer(size);
    char* out = buffer.Data;
    for (size_t i = 0; i < shown.size(); ++i) {
        if (i > 0)
            *out++ = int(i) == reactants ? '>' : '+';
        const std::string& coefficient = coefficients[i];
        if (coefficient[0] == '-')
            return false;
        if (coefficient.size() != 1 || coefficient[0] != '1')
            out = CopyPiece(coefficient, out);
        out = CopyAsWritten(shown[i], out);
        if (!out)
            return false;
    }
    text.assign(buffer.Data, out);
    return true;
}

std::vector<std::string> GivenCoefficients(std::string_view text)
{
    std::vector<std::string> given;
    // A coefficient is a digit at the start or after a separator, which is "+" or ">": a text
    // without one (most) has none.
    bool anyDigitFirst = !text.empty() && IsDigitChar(text[0]);
    for (size_t i = 1; i < text.size() && !anyDigitFirst; ++i)
        anyDigitFirst = IsDigitChar(text[i]) && (text[i - 1] == '+' || text[i - 1] == '>');
    if (!anyDigitFirst)
        return given;
    size_t substance = 0;
    bool start = true; // nothing of the substance read yet
    for (size_t i = 0; i < text.size(); ++i) {
        if (IsSeparatorAt(text, i)) {
            // The clean-up removes the second of two separators side by side.
            if (i == 0 || !IsSeparatorAt(text, i - 1))
                ++substance;
            start = true;
            continue;
        }
        if (start && IsDigitChar(text[i])) {
            size_t end = i;
            while (end < text.size() && IsDigitChar(text[end]))
                ++end;
            given.resize(substance + 1);
            given[substance] = text.substr(i, end - i);
            i = end - 1;
        }
        start = false;
    }
    if (!given.empty())
        given.resize(substance + 1);
    return given;
}

std::string WithGivenCoefficients(std::string_view text, const std::vector<std::string>& coefficients)
{
    std::string out;
    size_t substance = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == 0 || IsSeparatorAt(text, i - 1)) {
            if (substance < coefficients.size())
                out += coefficients[substance];
            ++substance;
        }
        if (i < text.size())
            out += text[i];
    }
    return out;
}
