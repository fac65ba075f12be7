// SPDX-License-Identifier: GPL-3.0-or-later
// How long Balance takes: the test corpus reaction by reaction, a large redox reaction, a
// reaction with two independent forms that must be turned down with both of them shown, one
// whose answer needs integers beyond 64 bits, random reactions of real compounds, and a
// molar mass.
#include "bench/Corpus.h"
#include "bench/RandomReactions.h"
#include "core/Balance.h"
#include "core/ElementTable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

void Balance(benchmark::State& state, const char* reaction, BalanceOutcome::Status expected)
{
    for (auto _ : state) {
        BalanceOutcome outcome = BalanceReaction(reaction, true);
        if (outcome.status != expected)
            state.SkipWithError("unexpected outcome");
        benchmark::DoNotOptimize(outcome);
    }
}

// Each reaction of the corpus keeps its best time over the iterations; the median of those
// is the time of a typical textbook reaction.
void BM_Corpus(benchmark::State& state)
{
    const std::vector<std::string> reactions = CorpusReactions();
    std::vector<double> best(reactions.size(), 1e300);
    for (auto _ : state) {
        for (size_t i = 0; i < reactions.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(BalanceReaction(reactions[i], true));
            const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
            best[i] = std::min(best[i], took.count());
        }
    }
    std::sort(best.begin(), best.end());
    state.counters["reactions"] = double(reactions.size());
    state.counters["median_us"] = best.empty() ? 0 : best[best.size() / 2];
    state.counters["slowest_us"] = best.empty() ? 0 : best.back();
}

void BM_BalanceWater(benchmark::State& state)
{
    Balance(state, "H2+O2>H2O", BalanceOutcome::Status::Balanced);
}

void BM_BalanceFerrocyanide(benchmark::State& state)
{
    Balance(state, "K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O",
            BalanceOutcome::Status::Balanced);
}

void BM_BalanceZeroPivot(benchmark::State& state)
{
    Balance(state, "KMnO4+FeSO4+H2SO4>K2SO4+MnSO4+Fe2(SO4)3+H2O", BalanceOutcome::Status::Balanced);
}

void BM_TurnDownTwoReactions(benchmark::State& state)
{
    Balance(state, "NaOH+HCl+H2SO4>NaCl+Na2SO4+H2O", BalanceOutcome::Status::CannotBalance);
}

void BM_BalanceNear10To40(benchmark::State& state)
{
    Balance(state, "H10000000019+O10000000033+N10000000061+C10000000069>HONC",
            BalanceOutcome::Status::Balanced);
}

// Every reaction is timed on its own, and keeps its best time over the iterations (so a
// moment when the machine was busy does not count): the slowest of them, not the mean,
// shows the reaction that costs most.
void BM_RandomRealReactions(benchmark::State& state)
{
    std::vector<std::string> reactions;
    ReactionDice dice(2024);
    for (int i = 0; i < 2000; ++i)
        reactions.push_back(dice.Next());
    std::vector<double> best(reactions.size(), 1e300);
    for (auto _ : state) {
        for (size_t i = 0; i < reactions.size(); ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(BalanceReaction(reactions[i], true));
            const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
            best[i] = std::min(best[i], took.count());
        }
    }
    const size_t slowest = size_t(std::max_element(best.begin(), best.end()) - best.begin());
    std::vector<double> sorted = best;
    std::sort(sorted.begin(), sorted.end());
    state.counters["median_us"] = sorted[sorted.size() / 2];
    state.counters["slowest_us"] = best[slowest];
    state.SetLabel("slowest: " + reactions[slowest]);
}

void BM_MolarMass(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(MolarMass("K4Fe(CN)6"));
}

} // namespace

BENCHMARK(BM_Corpus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceWater)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BalanceFerrocyanide)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BalanceZeroPivot)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TurnDownTwoReactions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BalanceNear10To40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RandomRealReactions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MolarMass)->Unit(benchmark::kMicrosecond);
