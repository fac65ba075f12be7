// SPDX-License-Identifier: GPL-3.0-or-later
// How long Balance takes: a large redox reaction through the text passes, a reaction with
// two independent forms that must be turned down, and a molar mass.
#include "core/Balance.h"
#include "core/ElementTable.h"

#include <benchmark/benchmark.h>

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

void BM_MolarMass(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(MolarMass("K4Fe(CN)6"));
}

} // namespace

BENCHMARK(BM_BalanceWater)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BalanceFerrocyanide)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BalanceZeroPivot)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TurnDownTwoReactions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MolarMass)->Unit(benchmark::kMicrosecond);
