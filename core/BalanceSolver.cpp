// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BalanceSolver.h"

#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/ReactionParser.h"

#include <optional>

namespace {

bool IsSign(char c)
{
    return c == '+' || c == '-';
}

std::string Variable(int k)
{
    return "[" + std::to_string(k) + "]";
}

// Subtraction is done on the text: the sign character of a term is flipped.
std::string FlipSign(const std::string& term)
{
    if (!term.empty() && term[0] == '-')
        return "+" + term.substr(1);
    if (!term.empty() && term[0] == '+')
        return "-" + term.substr(1);
    return "-" + term;
}

std::string WithSign(const std::string& text)
{
    return IsSign(text[0]) ? text : "+" + text;
}

std::vector<std::string> SplitSystemText(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

struct Equation
{
    std::string Left;
    std::string Right;
};

Equation SplitEquation(const std::string& line)
{
    size_t eq = line.find('=');
    if (eq == std::string::npos)
        throw InvalidReactionError("equation without '='");
    return {line.substr(0, eq), line.substr(eq + 1)};
}

// The terms of one side, each with its sign (the first may have none).
std::vector<std::string> SplitTerms(const std::string& side)
{
    std::vector<std::string> terms;
    size_t start = 0;
    while (start < side.size()) {
        size_t next = side.find_first_of("+-", start + 1);
        if (next == std::string::npos)
            next = side.size();
        terms.push_back(side.substr(start, next - start));
        start = next;
    }
    return terms;
}

std::string JoinTerms(const std::vector<std::string>& terms)
{
    std::string side;
    for (const std::string& term : terms)
        side += term;
    return side;
}

// Variable index of a term such as -3/2[4], or -1 for a constant.
int TermVariable(const std::string& term)
{
    size_t open = term.find('[');
    if (open == std::string::npos)
        return -1;
    size_t close = term.find(']', open);
    if (close == std::string::npos)
        throw InvalidReactionError("unterminated variable");
    return ParseInt32(term.substr(open + 1, close - open - 1));
}

// The signed coefficient of a term, as a fraction.
Fraction TermCoefficient(const std::string& term)
{
    return ParseFraction(term.substr(0, term.find('[')));
}

size_t CountOf(const std::string& text, const std::string& what)
{
    size_t count = 0;
    for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + what.size()))
        ++count;
    return count;
}

// Step 1: every known variable is replaced, with its coefficient, by the product. A negative
// product takes over the sign before the coefficient ("+" becomes "-", "-" becomes "+").
void SubstituteValues(SolverState& state)
{
    std::string text = SystemText(state.System);
    for (int k = 0; k < state.N; ++k) {
        if (state.Values[size_t(k)].empty())
            continue;
        Fraction value = ParseFraction(state.Values[size_t(k)]);
        std::string variable = Variable(k);
        for (size_t pos = text.find(variable); pos != std::string::npos;) {
            size_t start = pos;
            while (start > 0 && (IsDigitChar(text[start - 1]) || text[start - 1] == '/'))
                --start;
            Fraction product = MultiplyFractions(ParseFraction(text.substr(start, pos - start)), value);
            std::string productText =
                product.Denominator == 1 ? std::to_string(product.Numerator) : FormatFraction(product);
            if (productText[0] == '-' && start > 0 && IsSign(text[start - 1])) {
                --start;
                productText = (text[start] == '+' ? "-" : "+") + productText.substr(1);
            }
            text.replace(start, pos + variable.size() - start, productText);
            pos = text.find(variable, start + productText.size());
        }
    }
    state.System = SplitSystemText(text);
}

// Step 3: "constant=terms". Variable terms move from the left to the end of the right side,
// constants from the right to the left, each with its sign inverted.
std::string Normalise(const std::string& line)
{
    Equation eq = SplitEquation(line);
    std::string left = eq.Left.empty() ? "0" : eq.Left;
    std::string right = eq.Right;
    for (size_t close = left.find(']'); close != std::string::npos; close = left.find(']')) {
        size_t open = left.rfind('[', close);
        size_t start = open == std::string::npos ? std::string::npos : left.find_last_of("+-", open);
        if (start == std::string::npos)
            start = 0;
        right += FlipSign(left.substr(start, close + 1 - start));
        left.erase(start, close + 1 - start);
        if (left.empty())
            left = "0";
    }
    std::string kept;
    for (const std::string& term : SplitTerms(right)) {
        if (term.find(']') == std::string::npos)
            left = FormatFraction(AddFractions(ParseFraction(left), ParseFraction(FlipSign(term))));
        else
            kept += term;
    }
    return left + "=" + kept;
}

// Step 4: repeated variables of a line become one term at its end. A sum of zero is dropped
// rather than appended, so a zero coefficient can never become an elimination pivot; a line
// left without terms says 0=0 and goes with the next pass.
std::string CombineRepeated(const std::string& line, int n)
{
    Equation eq = SplitEquation(line);
    std::vector<std::string> terms = SplitTerms(eq.Right);
    for (int k = 0; k < n; ++k) {
        std::vector<std::string> kept;
        std::optional<Fraction> sum;
        int occurrences = 0;
        for (const std::string& term : terms)
            if (term.find('[') != std::string::npos && TermVariable(term) == k)
                ++occurrences;
        if (occurrences < 2)
            continue;
        for (const std::string& term : terms) {
            if (term.find('[') != std::string::npos && TermVariable(term) == k) {
                Fraction c = TermCoefficient(term);
                sum = sum ? AddFractions(*sum, c) : c;
            } else {
                kept.push_back(term);
            }
        }
        if (sum->Numerator != 0)
            kept.push_back(WithSign(FormatFraction(*sum)) + Variable(k));
        terms = kept;
    }
    if (terms.empty())
        return "0=0";
    return eq.Left + "=" + JoinTerms(terms);
}

// Step 5: a line with one term gives that variable's value; a zero coefficient makes it 0=0.
std::string SolveSingle(const std::string& line, SolverState& state)
{
    Equation eq = SplitEquation(line);
    if (eq.Right.find("]+") != std::string::npos || eq.Right.find("]-") != std::string::npos)
        return line;
    size_t end = eq.Right.find_first_not_of("+-0123456789/");
    Fraction a = ParseFraction(eq.Right.substr(0, end));
    if (a.Numerator == 0)
        return "0=0";
    int k = TermVariable(eq.Right);
    if (k < 0 || k >= state.N)
        throw InvalidReactionError("variable out of range");
    state.Values[size_t(k)] =
        FormatFraction(MultiplyFractions(ParseFraction(eq.Left), ReciprocalFraction(a)));
    return line;
}

// Step 6: the first term of the first line is the pivot p; every other line's b[p] becomes
// b(C - rest)/a0 written out term by term, and the pivot line moves to the end.
void EliminateFirst(SolverState& state)
{
    if (state.System.empty())
        return;
    for (const std::string& line : state.System)
        if (CountOf(line, "]") < 2)
            return;
    std::string pivotLine = state.System.front();
    Equation first = SplitEquation(pivotLine);
    std::vector<std::string> terms = SplitTerms(first.Right);
    int pivot = TermVariable(terms.front());
    if (pivot < 0)
        throw InvalidReactionError("pivot line starts with a constant");
    std::string pivotCoefficient = terms.front().substr(0, terms.front().find('['));

    std::vector<std::optional<Fraction>> table(size_t(state.N) + 1);
    for (size_t t = 1; t < terms.size(); ++t) {
        int k = TermVariable(terms[t]);
        if (k < 0 || k >= state.N)
            throw InvalidReactionError("variable out of range");
        table[size_t(k)] = TermCoefficient(terms[t]);
    }
    table[size_t(state.N)] = ParseFraction(FlipSign(first.Left));
    Fraction f = ReciprocalFraction(ParseFraction(FlipSign(pivotCoefficient)));

    state.System.erase(state.System.begin());
    for (std::string& line : state.System) {
        Equation eq = SplitEquation(line);
        std::vector<std::string> lineTerms = SplitTerms(eq.Right);
        for (std::string& term : lineTerms) {
            if (term.find('[') == std::string::npos || TermVariable(term) != pivot)
                continue;
            Fraction bf = MultiplyFractions(TermCoefficient(term), f);
            std::string expansion;
            for (size_t index = 0; index < table.size(); ++index) {
                if (!table[index])
                    continue;
                expansion += WithSign(FormatFraction(MultiplyFractions(*table[index], bf)));
                if (index != size_t(state.N))
                    expansion += Variable(int(index));
            }
            term = expansion;
        }
        line = eq.Left + "=" + JoinTerms(lineTerms);
    }
    state.System.push_back(pivotLine);
}

} // namespace

std::vector<std::string> BuildEquations(const std::vector<std::string>& elements,
                                        const std::vector<std::string>& countVectors, int reactants)
{
    std::vector<std::vector<long long>> counts;
    for (const std::string& vector : countVectors)
        counts.push_back(ParseCountVector(vector));
    std::vector<std::string> lines;
    for (size_t e = 0; e < elements.size(); ++e) {
        std::string line;
        for (size_t k = 0; k < counts.size(); ++k) {
            long long n = e < counts[k].size() ? counts[k][e] : 0;
            if (n != 0) {
                bool bare = line.empty() || line.back() == '=' || n < 0;
                line += (bare ? "" : "+") + std::to_string(n) + Variable(int(k));
            }
            if (int(k) == reactants - 1)
                line += '=';
        }
        if (reactants <= 0)
            line.insert(0, "=");
        if (line.empty() || line.back() == '=')
            line += '0';
        lines.push_back(line);
    }
    return lines;
}

std::string SystemText(const std::vector<std::string>& system)
{
    std::string text;
    for (const std::string& line : system)
        text += line + "\r\n";
    return text;
}

int SeedElement(const std::vector<std::string>& countVectors)
{
    std::vector<std::vector<long long>> counts;
    size_t elementCount = 0;
    for (const std::string& vector : countVectors) {
        counts.push_back(ParseCountVector(vector));
        elementCount = std::max(elementCount, counts.back().size());
    }
    for (size_t e = 0; e < elementCount; ++e) {
        int substances = 0;
        for (const auto& c : counts)
            if (e < c.size() && c[e] != 0)
                ++substances;
        if (substances == 2)
            return int(e);
    }
    return -1;
}

SolverState StartSolver(const std::vector<std::string>& countVectors,
                        const std::vector<std::string>& equations)
{
    SolverState state;
    state.N = int(countVectors.size());
    state.Values.assign(countVectors.size(), std::string());
    int seed = SeedElement(countVectors);
    if (seed < 0) {
        // No element sits in exactly two substances: any nonzero value fixes the scale.
        if (state.N > 0)
            state.Values[0] = "1";
    } else {
        // The seed line reads a[x]=b[y]; x = b and y = a satisfy it.
        const std::string& line = equations.at(size_t(seed));
        size_t open1 = line.find('[');
        size_t close1 = line.find(']', open1);
        size_t eq = line.find('=');
        size_t open2 = eq == std::string::npos ? eq : line.find('[', eq);
        size_t close2 = open2 == std::string::npos ? open2 : line.find(']', open2);
        if (open1 == std::string::npos || close1 == std::string::npos || close2 == std::string::npos)
            throw InvalidReactionError("seed equation is not of the form a[x]=b[y]");
        std::string a = line.substr(0, open1);
        std::string b = line.substr(eq + 1, open2 - eq - 1);
        int x = ParseInt32(line.substr(open1 + 1, close1 - open1 - 1));
        int y = ParseInt32(line.substr(open2 + 1, close2 - open2 - 1));
        if (x < 0 || x >= state.N || y < 0 || y >= state.N)
            throw InvalidReactionError("seed variable out of range");
        state.Values[size_t(x)] = std::to_string(ParseInt32(b));
        state.Values[size_t(y)] = std::to_string(ParseInt32(a));
    }
    state.System = equations;
    state.History = SystemText(state.System);
    state.StartLines = state.System.size();
    state.StartTime = std::chrono::steady_clock::now();
    return state;
}

void SolverPass(SolverState& state)
{
    SubstituteValues(state);
    std::vector<std::string> unsettled;
    for (const std::string& line : state.System)
        if (line.find('[') != std::string::npos)
            unsettled.push_back(line);
    state.System = unsettled;
    for (std::string& line : state.System)
        line = Normalise(line);
    for (std::string& line : state.System)
        line = CombineRepeated(line, state.N);
    for (std::string& line : state.System)
        line = SolveSingle(line, state);
    EliminateFirst(state);
}

bool SolveBalance(const std::vector<std::string>& countVectors, const std::vector<std::string>& equations,
                  std::vector<std::string>& values, std::chrono::milliseconds budget)
{
    SolverState state = StartSolver(countVectors, equations);
    for (;;) {
        values = state.Values;
        if (state.System.empty())
            return true;
        SolverPass(state);
        values = state.Values;
        std::string text = SystemText(state.System);
        // An empty system is progress, not a repeat, even though "" is inside every text.
        if (!text.empty() && state.History.find(text) != std::string::npos)
            return false;
        if (std::chrono::steady_clock::now() - state.StartTime > budget)
            return false;
        if (state.System.size() < state.StartLines)
            state.History.clear();
        state.History += text;
    }
}

std::vector<std::string> ScaleToWholeNumbers(const std::vector<std::string>& values)
{
    std::vector<Fraction> fractions;
    std::int64_t lcm = 1;
    for (const std::string& value : values) {
        fractions.push_back(ParseFraction(value));
        std::int64_t d = fractions.back().Denominator;
        if (d <= 0)
            throw InvalidReactionError("value without a positive denominator");
        lcm = MultiplyFractions(MakeFraction(lcm / CommonDivisor(lcm, d)), MakeFraction(d)).Numerator;
    }
    std::vector<std::int64_t> whole;
    for (const Fraction& f : fractions)
        whole.push_back(ParseInt32(std::to_string(MultiplyFractions(f, MakeFraction(lcm)).Numerator)));
    std::int64_t g = whole.empty() ? 1 : whole.front();
    for (size_t i = 1; i < whole.size(); ++i)
        g = CommonDivisor(g, whole[i]);
    std::vector<std::string> coefficients;
    for (std::int64_t w : whole)
        coefficients.push_back(std::to_string(g != 1 && g != 0 ? w / g : w));
    return coefficients;
}
