// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's input side: a very long line typed in, a million lines through
// --balance, read and answered as they stream by, and lines far past the input's limit.
#include "bench/Corpus.h"
#include "cli/CommandLine.h"
#include "core/ReactionText.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <istream>
#include <ostream>
#include <sstream>
#include <streambuf>

namespace {

// Standard input that is never there as a whole: count lines, cycling through the given
// ones, made a buffer at a time.
class LineSource : public std::streambuf
{
  public:
    LineSource(std::vector<std::string> lines, size_t count) : Lines(std::move(lines)), Left(count) {}

  protected:
    int_type underflow() override
    {
        Buffer.clear();
        while (Left > 0 && Buffer.size() < 65536) {
            Buffer += Lines[Next++ % Lines.size()];
            Buffer += '\n';
            --Left;
        }
        if (Buffer.empty())
            return traits_type::eof();
        setg(Buffer.data(), Buffer.data(), Buffer.data() + Buffer.size());
        return traits_type::to_int_type(Buffer[0]);
    }

  private:
    std::vector<std::string> Lines;
    size_t Left;
    size_t Next = 0;
    std::string Buffer;
};

// Standard input of one line of length letters, a buffer at a time, and a short reaction.
class LongLineSource : public std::streambuf
{
  public:
    explicit LongLineSource(size_t length) : Left(length) {}

  protected:
    int_type underflow() override
    {
        if (Left == 0 && Done)
            return traits_type::eof();
        if (Left == 0) {
            Buffer = "\nh2=o2 h2o\n";
            Done = true;
        } else {
            Buffer.assign(std::min<size_t>(Left, 65536), 'h');
            Left -= Buffer.size();
        }
        setg(Buffer.data(), Buffer.data(), Buffer.data() + Buffer.size());
        return traits_type::to_int_type(Buffer[0]);
    }

  private:
    size_t Left;
    bool Done = false;
    std::string Buffer;
};

// Standard output that keeps nothing but the count of its bytes.
class ByteCounter : public std::streambuf
{
  public:
    size_t Bytes = 0;

  protected:
    int_type overflow(int_type c) override
    {
        Bytes += c != traits_type::eof();
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        Bytes += size_t(n);
        return n;
    }
};

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

// The corpus's short reactions, a million lines of them: the peak memory of the whole
// process stays that of one line, not of the input.
void BM_BalanceMillionLines(benchmark::State& state)
{
    const std::vector<std::string> reactions = CorpusReactions();
    size_t written = 0;
    for (auto _ : state) {
        LineSource source(reactions, 1000000);
        std::istream in(&source);
        ByteCounter sink;
        std::ostream out(&sink);
        std::ostringstream err;
        RunCommandLine({"--balance"}, in, out, err);
        written = sink.Bytes;
    }
    state.counters["lines"] = 1e6;
    state.counters["output_MB"] = double(written) / 1e6;
    state.counters["peak_rss_MB"] = PeakMegabytes();
}

// A line of 50 MB and one of 200 MB on standard input: each is answered as too long, in the
// memory of one buffer.
void BM_BalanceHugeLine(benchmark::State& state)
{
    for (auto _ : state) {
        LongLineSource source(size_t(state.range(0)) * 1000000);
        std::istream in(&source);
        ByteCounter sink;
        std::ostream out(&sink);
        std::ostringstream err;
        RunCommandLine({"--balance"}, in, out, err);
    }
    state.counters["peak_rss_MB"] = PeakMegabytes();
}

// A 100 KB line typed in one character at a time, with a tidy after each.
void BM_TypeLongLine(benchmark::State& state)
{
    std::string line;
    while (line.size() < 100 * 1024)
        line += "k4fe(cn)6+kmno4+h2so4=khso4 fe2(so4)3+mnso4+hno3+co2+h2o ";
    const KeyOptions keys;
    for (auto _ : state)
        benchmark::DoNotOptimize(TypeReaction(line, keys));
    state.counters["bytes"] = double(line.size());
}

} // namespace

BENCHMARK(BM_BalanceMillionLines)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeLongLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceHugeLine)->Arg(50)->Arg(200)->Iterations(1)->Unit(benchmark::kMillisecond);
