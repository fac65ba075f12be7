// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SolverText.h"

#include "core/Errors.h"
#include "core/ReactionParser.h"

namespace {

bool IsSign(char c)
{
    return c == '+' || c == '-';
}

// Writes the product as the substitution does: a plain whole number when the denominator
// is 1, the fraction text otherwise.
void AppendProduct(std::string& out, const Fraction& f)
{
    if (f.Denominator == 1)
        AppendWholeNumber(out, f.Numerator);
    else
        AppendFraction(out, f);
}

// The index k of a variable written "[" k "]" at position open, as the passes write it
// (decimal, no sign, no leading zero), or -1.
long long VariableAt(const std::string& line, size_t open)
{
    size_t i = open + 1;
    long long k = 0;
    const size_t first = i;
    while (i < line.size() && IsDigitChar(line[i]) && i - first < 11)
        k = k * 10 + (line[i++] - '0');
    if (i == first || i >= line.size() || line[i] != ']' || (line[first] == '0' && i - first > 1))
        return -1;
    return k;
}

// The replacement as the passes define it, variable after variable over the whole line.
void SubstituteByVariable(std::string& line, const std::vector<Fraction>& known,
                          const std::vector<char>& isKnown, LineWork& work)
{
    std::vector<int>& present = work.Repeated;
    present.clear();
    for (size_t open = Find(line, '['); open != std::string::npos; open = Find(line, '[', open + 1)) {
        const long long k = VariableAt(line, open);
        if (k >= 0 && k < (long long)known.size() && isKnown[size_t(k)])
            present.push_back(int(k));
    }
    std::sort(present.begin(), present.end());
    present.erase(std::unique(present.begin(), present.end()), present.end());
    std::string& product = work.Kept;
    std::string& variable = work.Flipped;
    for (int k : present) {
        variable.clear();
        AppendVariable(variable, k);
        for (size_t pos = line.find(variable); pos != std::string::npos;) {
            size_t start = pos;
            while (start > 0 && (IsDigitChar(line[start - 1]) || line[start - 1] == '/'))
                --start;
            const Fraction value = MultiplyFractions(
                ParseFraction(std::string_view(line).substr(start, pos - start)), known[size_t(k)]);
            product.clear();
            if (value.Numerator < 0 && start > 0 && IsSign(line[start - 1])) {
                --start;
                product += line[start] == '+' ? '-' : '+';
                AppendProduct(product, value);
                product.erase(1, 1); // the product's own "-"
            } else {
                AppendProduct(product, value);
            }
            line.replace(start, pos + variable.size() - start, product);
            pos = line.find(variable, start + product.size());
        }
    }
}

bool FitsInt32(std::int64_t n)
{
    return n >= INT32_MIN && n <= INT32_MAX;
}

} // namespace

size_t EquationSign(std::string_view line)
{
    const size_t eq = Find(line, '=');
    if (eq == std::string_view::npos)
        throw InvalidReactionError("equation without '='");
    return eq;
}

int TermVariable(std::string_view term)
{
    const size_t open = Find(term, '[', 0);
    if (open == std::string_view::npos)
        return -1;
    const size_t close = Find(term, ']', open);
    if (close == std::string_view::npos)
        throw InvalidReactionError("unterminated variable");
    return ParseInt32(term.substr(open + 1, close - open - 1));
}

Fraction TermCoefficient(std::string_view term)
{
    return ParseFraction(term.substr(0, Find(term, '[', 0)));
}

Fraction ParseFlipped(std::string_view term)
{
    const bool negative = term.empty() || term[0] != '-';
    if (!term.empty() && IsSign(term[0]))
        term.remove_prefix(1);
    const size_t slash = Find(term, '/');
    if (slash == std::string_view::npos)
        return MakeFraction(ParseInt32(negative, term));
    return ReduceFraction({ParseInt32(negative, term.substr(0, slash)), ParseInt32(term.substr(slash + 1))});
}

void AppendWithSign(std::string& out, const Fraction& f)
{
    if (f.Numerator >= 0)
        out += '+';
    AppendFraction(out, f);
}

void AppendVariable(std::string& out, int k)
{
    out += '[';
    AppendWholeNumber(out, k);
    out += ']';
}

void AppendSystemText(std::string& out, const std::vector<std::string>& system)
{
    for (const std::string& line : system) {
        out += line;
        out += "\r\n";
    }
}

void SubstituteValues(std::string& line, const std::vector<Fraction>& known, const std::vector<char>& isKnown,
                      LineWork& work)
{
    // Each known variable is replaced everywhere before the next, in index order. Every term
    // but the first of a side has a sign, so no replacement touches the text another one
    // reads: one walk from left to right writes the same line. A line where some term has
    // no sign before it is left to the variable-by-variable replacement.
    std::string& out = work.Kept;
    out.clear();
    size_t copied = 0; // line[0, copied) is in out
    bool replaced = false;
    for (size_t open = Find(line, '['); open != std::string::npos; open = Find(line, '[', open + 1)) {
        const long long k = VariableAt(line, open);
        if (k < 0 || k >= (long long)known.size() || !isKnown[size_t(k)])
            continue;
        size_t start = open;
        while (start > copied && (IsDigitChar(line[start - 1]) || line[start - 1] == '/'))
            --start;
        if (start > 0 && !IsSign(line[start - 1]) && line[start - 1] != '=') {
            SubstituteByVariable(line, known, isKnown, work);
            return;
        }
        const Fraction value = MultiplyFractions(
            ParseFraction(std::string_view(line).substr(start, open - start)), known[size_t(k)]);
        const bool mergeSign = value.Numerator < 0 && start > 0 && IsSign(line[start - 1]);
        if (mergeSign)
            --start;
        out.append(line, copied, start - copied);
        if (mergeSign) {
            // The product's own "-" and the sign before the coefficient become one sign.
            out += line[start] == '+' ? '-' : '+';
            const size_t at = out.size();
            AppendProduct(out, value);
            out.erase(at, 1);
        } else {
            AppendProduct(out, value);
        }
        copied = Find(line, ']', open) + 1;
        open = copied - 1;
        replaced = true;
    }
    if (!replaced)
        return;
    out.append(line, copied, std::string::npos);
    line.swap(out);
}

bool Normalise(std::string_view line, std::string& out, LineWork& work)
{
    const size_t eq = EquationSign(line);
    std::string_view left = line.substr(0, eq);
    std::string_view right = line.substr(eq + 1);
    if (Find(left, ']') == std::string_view::npos) {
        // Already in normal form (a constant left of "=", only variables right of it): the
        // step would write the line as it is.
        bool normal = !left.empty();
        ForEachTerm(right, [&](std::string_view term) {
            normal = normal && Find(term, ']') != std::string_view::npos;
        });
        if (normal)
            return false;
        if (left.empty())
            left = "0";
    } else {
        std::string& movedLeft = work.Left;
        std::string& movedRight = work.Right;
        movedLeft.assign(left);
        movedRight.assign(right);
        for (size_t close = movedLeft.find(']'); close != std::string::npos; close = movedLeft.find(']')) {
            const size_t open = movedLeft.rfind('[', close);
            size_t start = open == std::string::npos ? std::string::npos : movedLeft.find_last_of("+-", open);
            if (start == std::string::npos)
                start = 0;
            const std::string_view term = std::string_view(movedLeft).substr(start, close + 1 - start);
            if (!term.empty() && IsSign(term[0])) {
                movedRight += term[0] == '-' ? '+' : '-';
                movedRight.append(term.substr(1));
            } else {
                movedRight += '-';
                movedRight.append(term);
            }
            movedLeft.erase(start, close + 1 - start);
            if (movedLeft.empty())
                movedLeft = "0";
        }
        left = movedLeft;
        right = movedRight;
    }
    // Each constant moved to the left is added to the left's value, which is written out and
    // read again before the next one: so a sum outside 32 bits fails on the next addition.
    std::string& kept = work.Kept;
    kept.clear();
    bool moved = false;
    Fraction sum;
    ForEachTerm(right, [&](std::string_view term) {
        if (Find(term, ']') != std::string_view::npos) {
            kept.append(term);
            return;
        }
        if (!moved)
            sum = ParseFraction(left);
        else if (!FitsInt32(sum.Numerator) || !FitsInt32(sum.Denominator))
            throw ConversionError("left side outside 32 bits");
        sum = AddFractions(sum, ParseFlipped(term));
        moved = true;
    });
    out.clear();
    if (moved)
        AppendFraction(out, sum);
    else
        out += left;
    out += '=';
    out += kept;
    return true;
}

bool CombineRepeated(std::string_view line, int n, std::string& out, LineWork& work)
{
    const size_t eq = EquationSign(line);
    std::vector<std::string_view>& terms = work.Terms;
    std::vector<int>& variables = work.Variables;
    terms.clear();
    variables.clear();
    ForEachTerm(line.substr(eq + 1), [&](std::string_view term) {
        terms.push_back(term);
        variables.push_back(n > 0 ? TermVariable(term) : -1);
    });
    out.clear();
    if (terms.empty()) {
        out = "0=0";
        return true;
    }
    // Occurrences stays all zero between calls: the entries counted here are cleared again
    // before anything below can throw.
    std::vector<int>& occurrences = work.Occurrences;
    if (occurrences.size() < size_t(std::max(n, 0)))
        occurrences.resize(size_t(n), 0);
    std::vector<int>& repeated = work.Repeated;
    repeated.clear();
    for (int k : variables)
        if (k >= 0 && k < n && ++occurrences[size_t(k)] == 2)
            repeated.push_back(k);
    for (int& k : variables) {
        if (k >= 0 && k < n && occurrences[size_t(k)] < 2) {
            occurrences[size_t(k)] = 0;
            k = -1; // only the repeated variables matter from here on
        }
    }
    for (int k : repeated)
        occurrences[size_t(k)] = 0;
    if (repeated.empty())
        return false;
    std::sort(repeated.begin(), repeated.end());
    out.append(line.substr(0, eq + 1));
    bool anyTerm = false;
    for (size_t t = 0; t < terms.size(); ++t) {
        if (variables[t] < 0 || variables[t] >= n) {
            out.append(terms[t]);
            anyTerm = true;
        }
    }
    for (int k : repeated) {
        Fraction sum;
        bool first = true;
        for (size_t t = 0; t < terms.size(); ++t) {
            if (variables[t] != k)
                continue;
            const Fraction c = TermCoefficient(terms[t]);
            sum = first ? c : AddFractions(sum, c);
            first = false;
        }
        if (sum.Numerator != 0) {
            AppendWithSign(out, sum);
            AppendVariable(out, k);
            anyTerm = true;
        }
    }
    if (!anyTerm)
        out = "0=0";
    return true;
}

void SolveSingle(std::string& line, int n, std::vector<std::string>& values)
{
    const size_t eq = EquationSign(line);
    const std::string_view right = std::string_view(line).substr(eq + 1);
    if (right.find("]+") != std::string_view::npos || right.find("]-") != std::string_view::npos)
        return;
    const Fraction a = ParseFraction(right.substr(0, right.find_first_not_of("+-0123456789/")));
    if (a.Numerator == 0) {
        line = "0=0";
        return;
    }
    const int k = TermVariable(right);
    if (k < 0 || k >= n)
        throw InvalidReactionError("variable out of range");
    const Fraction value =
        MultiplyFractions(ParseFraction(std::string_view(line).substr(0, eq)), ReciprocalFraction(a));
    std::string& text = values[size_t(k)];
    text.clear();
    AppendFraction(text, value);
}
