// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BalanceSolver.h"

#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/SolverText.h"

#include <algorithm>

namespace {

// Buffers that live from pass to pass, so a pass allocates nothing once they have grown.
struct PassBuffers
{
    std::vector<Fraction> Known;
    std::vector<char> IsKnown;
    std::string Line;
    LineWork Work;
};

// What the buffers may keep between runs.
constexpr size_t LargeBuffer = 1 << 20;

PassBuffers& Buffers()
{
    thread_local PassBuffers buffers;
    return buffers;
}

// Step 6: the first term of the first line is the pivot p; every other line's b[p] becomes
// b(C - rest)/a0 written out term by term, and the pivot line moves to the end.
void EliminateFirst(SolverState& state, PassBuffers& b)
{
    if (state.System.empty())
        return;
    for (const std::string& line : state.System)
        if (std::count(line.begin(), line.end(), ']') < 2)
            return;
    const size_t n = size_t(state.N);
    std::string pivotLine = std::move(state.System.front());
    const size_t eq = EquationSign(pivotLine);
    const std::string_view right = std::string_view(pivotLine).substr(eq + 1);
    const std::string_view pivotTerm = FirstTerm(right);
    if (pivotTerm.empty())
        throw InvalidReactionError("pivot line without terms");
    const int pivot = TermVariable(pivotTerm);
    if (pivot < 0)
        throw InvalidReactionError("pivot line starts with a constant");

    // The coefficient table: entry k for variable k, entry n for the constant.
    std::vector<Fraction>& table = b.Work.Table;
    std::vector<char>& used = b.Work.Used;
    table.assign(n + 1, Fraction());
    used.assign(n + 1, 0);
    ForEachTerm(right.substr(pivotTerm.size()), [&](std::string_view term) {
        const int k = TermVariable(term);
        if (k < 0 || k >= state.N)
            throw InvalidReactionError("variable out of range");
        table[size_t(k)] = TermCoefficient(term);
        used[size_t(k)] = 1;
    });
    table[n] = ParseFlipped(std::string_view(pivotLine).substr(0, eq));
    used[n] = 1;
    const Fraction f = ReciprocalFraction(ParseFlipped(pivotTerm.substr(0, Find(pivotTerm, '['))));

    state.System.erase(state.System.begin());
    for (std::string& line : state.System) {
        const size_t lineEq = EquationSign(line);
        const std::string_view lineRight = std::string_view(line).substr(lineEq + 1);
        bool found = false;
        ForEachTerm(lineRight, [&](std::string_view term) { found = TermVariable(term) == pivot || found; });
        if (!found)
            continue;
        std::string& out = b.Line;
        out.assign(line, 0, lineEq + 1);
        ForEachTerm(lineRight, [&](std::string_view term) {
            if (TermVariable(term) != pivot) {
                out.append(term);
                return;
            }
            const Fraction bf = MultiplyFractions(TermCoefficient(term), f);
            for (size_t index = 0; index <= n; ++index) {
                if (!used[index])
                    continue;
                AppendWithSign(out, MultiplyFractions(table[index], bf));
                if (index != n)
                    AppendVariable(out, int(index));
            }
        });
        line.swap(out);
    }
    state.System.push_back(std::move(pivotLine));
}

} // namespace

std::vector<std::string> BuildEquations(const std::vector<std::string>& elements, const CountTable& counts,
                                        int reactants)
{
    std::vector<std::string> lines;
    lines.reserve(elements.size());
    for (size_t e = 0; e < elements.size(); ++e) {
        std::string line;
        line.reserve(std::min<size_t>(8 * counts.Substances + 2, 256));
        for (size_t k = 0; k < counts.Substances; ++k) {
            const std::int32_t n = counts.At(k, e);
            if (n != 0) {
                if (!(line.empty() || line.back() == '=' || n < 0))
                    line += '+';
                AppendWholeNumber(line, n);
                AppendVariable(line, int(k));
            }
            if (int(k) == reactants - 1)
                line += '=';
        }
        if (reactants <= 0)
            line.insert(0, "=");
        if (line.empty() || line.back() == '=')
            line += '0';
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> BuildEquations(const std::vector<std::string>& elements,
                                        const std::vector<std::string>& countVectors, int reactants)
{
    return BuildEquations(elements, CountTable::FromTexts(countVectors), reactants);
}

std::string SystemText(const std::vector<std::string>& system)
{
    std::string text;
    AppendSystemText(text, system);
    return text;
}

int SeedElement(const CountTable& counts)
{
    for (size_t e = 0; e < counts.Elements; ++e) {
        int substances = 0;
        for (size_t k = 0; k < counts.Substances; ++k)
            substances += counts.At(k, e) != 0;
        if (substances == 2)
            return int(e);
    }
    return -1;
}

int SeedElement(const std::vector<std::string>& countVectors)
{
    return SeedElement(CountTable::FromTexts(countVectors));
}

namespace {

// StartSolver into an existing state, whose buffers are kept.
void Start(SolverState& state, const CountTable& counts, const std::vector<std::string>& equations)
{
    state.N = int(counts.Substances);
    state.Values.assign(counts.Substances, std::string());
    const int seed = SeedElement(counts);
    if (seed < 0) {
        // No element sits in exactly two substances: any nonzero value fixes the scale.
        if (state.N > 0)
            state.Values[0] = "1";
    } else {
        // The seed line reads a[x]=b[y]; x = b and y = a satisfy it.
        const std::string& line = equations.at(size_t(seed));
        const size_t open1 = line.find('[');
        const size_t close1 = line.find(']', open1);
        const size_t eq = line.find('=');
        const size_t open2 = eq == std::string::npos ? eq : line.find('[', eq);
        const size_t close2 = open2 == std::string::npos ? open2 : line.find(']', open2);
        if (open1 == std::string::npos || close1 == std::string::npos || close2 == std::string::npos)
            throw InvalidReactionError("seed equation is not of the form a[x]=b[y]");
        const std::string_view text(line);
        const std::int32_t a = ParseInt32(text.substr(0, open1));
        const std::int32_t b = ParseInt32(text.substr(eq + 1, open2 - eq - 1));
        const int x = ParseInt32(text.substr(open1 + 1, close1 - open1 - 1));
        const int y = ParseInt32(text.substr(open2 + 1, close2 - open2 - 1));
        if (x < 0 || x >= state.N || y < 0 || y >= state.N)
            throw InvalidReactionError("seed variable out of range");
        state.Values[size_t(x)] = std::to_string(b);
        state.Values[size_t(y)] = std::to_string(a);
    }
    state.System = equations;
    state.History.clear();
    AppendSystemText(state.History, state.System);
    state.StartLines = state.System.size();
    state.StartTime = std::chrono::steady_clock::now();
}

} // namespace

SolverState StartSolver(const CountTable& counts, const std::vector<std::string>& equations)
{
    SolverState state;
    Start(state, counts, equations);
    return state;
}

SolverState StartSolver(const std::vector<std::string>& countVectors,
                        const std::vector<std::string>& equations)
{
    return StartSolver(CountTable::FromTexts(countVectors), equations);
}

void SolverPass(SolverState& state)
{
    PassBuffers& b = Buffers();
    const size_t n = size_t(state.N);
    b.Known.assign(n, Fraction());
    b.IsKnown.assign(n, 0);
    for (size_t k = 0; k < n; ++k) {
        if (!state.Values[k].empty()) {
            b.Known[k] = ParseFraction(state.Values[k]);
            b.IsKnown[k] = 1;
        }
    }
    // Step 1 and 2: substitute, then drop the lines left without a variable.
    for (std::string& line : state.System)
        SubstituteValues(line, b.Known, b.IsKnown, b.Work);
    state.System.erase(
        std::remove_if(state.System.begin(), state.System.end(),
                       [](const std::string& line) { return line.find('[') == std::string::npos; }),
        state.System.end());
    // Steps 3 to 5 touch one line at a time, so each line goes through all three at once.
    for (std::string& line : state.System) {
        if (Normalise(line, b.Line, b.Work))
            line.swap(b.Line);
        if (CombineRepeated(line, state.N, b.Line, b.Work))
            line.swap(b.Line);
        SolveSingle(line, state.N, state.Values);
    }
    EliminateFirst(state, b);
}

bool SolveBalance(const CountTable& counts, const std::vector<std::string>& equations,
                  std::vector<std::string>& values, std::chrono::milliseconds budget)
{
    // One run at a time per thread: its state and texts keep their buffers for the next,
    // unless a very long reaction made them large.
    thread_local SolverState state;
    thread_local std::string text;
    struct ReleaseLarge
    {
        ~ReleaseLarge()
        {
            if (text.capacity() + state.History.capacity() > LargeBuffer) {
                state = SolverState();
                text = std::string();
                Buffers() = PassBuffers();
            }
        }
    } releaseLarge;
    Start(state, counts, equations);
    for (;;) {
        values = state.Values;
        if (state.System.empty())
            return true;
        SolverPass(state);
        values = state.Values;
        text.clear();
        AppendSystemText(text, state.System);
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

bool SolveBalance(const std::vector<std::string>& countVectors, const std::vector<std::string>& equations,
                  std::vector<std::string>& values, std::chrono::milliseconds budget)
{
    return SolveBalance(CountTable::FromTexts(countVectors), equations, values, budget);
}

std::vector<long long> ScaleToWholeNumbers(const std::vector<Fraction>& values)
{
    std::int64_t lcm = 1;
    for (const Fraction& f : values) {
        if (f.Denominator <= 0)
            throw InvalidReactionError("value without a positive denominator");
        lcm = MultiplyFractions(MakeFraction(lcm / CommonDivisor(lcm, f.Denominator)),
                                MakeFraction(f.Denominator))
                  .Numerator;
    }
    std::vector<long long> whole;
    whole.reserve(values.size());
    for (const Fraction& f : values) {
        const std::int64_t w = MultiplyFractions(f, MakeFraction(lcm)).Numerator;
        if (w > INT32_MAX || w < INT32_MIN)
            throw ConversionError("coefficient outside 32 bits");
        whole.push_back(w);
    }
    std::int64_t g = whole.empty() ? 1 : whole.front();
    for (size_t i = 1; i < whole.size(); ++i)
        g = CommonDivisor(g, whole[i]);
    if (g != 1 && g != 0)
        for (long long& w : whole)
            w /= g;
    return whole;
}

std::vector<std::string> ScaleToWholeNumbers(const std::vector<std::string>& values)
{
    std::vector<Fraction> fractions;
    fractions.reserve(values.size());
    for (const std::string& value : values)
        fractions.push_back(ParseFraction(value));
    std::vector<std::string> coefficients;
    for (long long w : ScaleToWholeNumbers(fractions))
        coefficients.push_back(std::to_string(w));
    return coefficients;
}
