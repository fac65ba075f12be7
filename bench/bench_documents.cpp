// SPDX-License-Identifier: GPL-3.0-or-later
// The largest documents the reader accepts, through everything a user does with them:
// open, draw, Balance, Calculate Grid and both exports. Each must stay well under two
// seconds and 300 MB. The documents:
//   largest  25,000 rows of 10 columns (250,000 cells), the shipped columns and formulas
//   wide     one substance row of 100,000 columns of different widths
//   tall     100,000 substance rows of one column, every other one to be calculated
//   crafted  125,000 rows of 2 columns whose formula fails for every pair of rows: the
//            sweep stops at its work limit
//   chain    3,000 rows where each row takes its value from the next one alone, the last
//            one given: Recalculate would fill one row a sweep, and stops at its work limit
//   deep     the division of a formula nested in 200,000 parentheses (a 400 KB document):
//            the evaluation fails at the nesting limit
//   reaction a reaction line of 64 KiB, the longest the reader opens, of 6,000 substances
// Peak memory is reported as peak_MB (the process's high-water mark so far); run one
// document at a time (--benchmark_filter=/wide) to read it for that document.

#include "document/DocumentFile.h"
#include "document/Exports.h"
#include "grid/GridItems.h"
#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "render/BitmapExport.h"
#include "ui/grid/GridView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

namespace {

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    return folder;
}

QString PathOf(const std::string& name)
{
    return QDir(Folder().path()).filePath(QString::fromStdString(name));
}

DocumentData Shaped(int rows, int columns, const std::function<std::string(int row, int column)>& cell)
{
    DocumentData doc;
    doc.ReactionText = "CH4+O2>CO2+H2O";
    for (int c = 0; c < columns; ++c) {
        doc.Widths.push_back(60 + c % 100);
        doc.TypesList.push_back("0");
    }
    for (int r = 0; r < rows; ++r) {
        GridRow row;
        for (int c = 0; c < columns; ++c)
            row.push_back(cell(r, c));
        doc.Cells.push_back(row);
    }
    return doc;
}

DocumentData Largest()
{
    const char* names[] = {"Formula", "Number", "Weight", "Mol",    "Mass",
                           "Volume",  "Note",   "Phase",  "Source", "Check"};
    DocumentData doc = Shaped(25000, 10, [&](int r, int c) -> std::string {
        if (r == 0)
            return names[c];
        switch (c) {
        case 0:
            return "C" + std::to_string(r) + "H" + std::to_string(2 * r + 2);
        case 1:
            return std::to_string(r % 7 + 1);
        case 2:
            return std::to_string(14.03 * r + 2.02);
        case 4:
            return r == 1 ? "16.04" : "";
        case 6:
            return "sample " + std::to_string(r);
        default:
            return "";
        }
    });
    doc.TypesList = {"5", "3", "4", "2", "2", "2", "0", "0", "0", "0"};
    doc.Formulas = {"#Mol(a)=#Mass(a)/#Weight(a)", "#Mol(a)=#Volume(a)/22.4",
                    "#Mol(a)=#Mol(b)*#Number(a)/#Number(b)", "#Mass(a)=#Mol(a)*#Weight(a)",
                    "#Volume(a)=#Mol(a)*22.4"};
    return doc;
}

DocumentData Wide()
{
    DocumentData doc = Shaped(
        2, 100000, [](int r, int c) { return r == 0 ? "Item " + std::to_string(c) : std::to_string(c); });
    doc.Formulas = {"#Item 1(a)=#Item 2(b)*2"};
    return doc;
}

DocumentData Tall()
{
    DocumentData doc = Shaped(100001, 1, [](int r, int) {
        return r == 0 ? std::string("Mol") : r % 2 ? std::to_string(r) + ".5" : std::string();
    });
    doc.Formulas = {"#Mol(a)=#Mol(b)*2"};
    return doc;
}

DocumentData Crafted()
{
    DocumentData doc = Shaped(125000, 2, [](int r, int c) {
        return r == 0 ? std::string(c == 0 ? "A" : "B") : c == 1 ? std::to_string(r) : std::string();
    });
    doc.Formulas = {"#A(a)=#B(b)/(#B(a)-#B(a))"};
    return doc;
}

DocumentData Chain()
{
    DocumentData doc = Shaped(3001, 2, [](int r, int c) {
        return r == 0 ? std::string(c == 0 ? "Id" : "X") : c == 0 ? std::to_string(r) : r == 3000 ? "1" : "";
    });
    // 0! is 1 and 13! is past what a factorial takes: only row a + 1 gives row a its value.
    doc.Formulas = {"#X(a)=#X(b)*(((#Id(b)-#Id(a)-1)^2*13)!)"};
    return doc;
}

DocumentData Deep()
{
    DocumentData doc = Shaped(4, 2, [](int r, int c) {
        return r == 0   ? std::string(c == 0 ? "Mass" : "Number")
               : c == 1 ? std::to_string(r)
               : r == 1 ? "4"
                        : "";
    });
    doc.Formulas = {"#Mass(a)=" + std::string(200000, '(') + "#Mass(b)/#Number(b)" +
                    std::string(200000, ')')};
    return doc;
}

DocumentData LongReaction()
{
    DocumentData doc = Largest();
    doc.Cells.resize(4);
    doc.ReactionText.clear();
    for (int n = 1; doc.ReactionText.size() + 12 < MaxReactionBytes; ++n)
        doc.ReactionText += "C" + std::to_string(n) + "H" + std::to_string(2 * n + 2) + "+";
    doc.ReactionText += "O2>CO2";
    return doc;
}

// Every document is written once, as a file the reader is to open.
void WriteDocument(const std::string& name, const DocumentData& doc)
{
    std::ofstream file(PathOf(name + ".KVX").toStdString(), std::ios::binary);
    file << JoinDocumentLines(WriteDocumentLines(doc));
}

long long PeakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmHWM:") {
            long long kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
    return 0;
}

std::unique_ptr<DocumentModel> Opened(const std::string& name)
{
    auto document = std::make_unique<DocumentModel>();
    document->open(PathOf(name + ".KVX"), QString());
    return document;
}

// One step of work on a freshly opened document; opening is not timed, but for Open.
void Run(benchmark::State& state, const std::string& name,
         const std::function<void(DocumentModel&, benchmark::State&)>& step)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<DocumentModel> document = Opened(name);
        state.ResumeTiming();
        step(*document, state);
    }
    state.counters["peak_MB"] = double(PeakMegabytes());
}

void Register(const std::string& name)
{
    const auto add = [&](const char* what, std::function<void(DocumentModel&, benchmark::State&)> step) {
        benchmark::RegisterBenchmark((std::string(what) + "/" + name).c_str(),
                                     [name, step](benchmark::State& state) { Run(state, name, step); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    };
    add("Open", [name](DocumentModel&, benchmark::State&) { benchmark::DoNotOptimize(Opened(name)); });
    add("Draw", [](DocumentModel& document, benchmark::State&) {
        GridView view;
        view.resize(760, 300);
        view.setGridModel(document.grid());
        view.show();
        benchmark::DoNotOptimize(view.grab());
    });
    add("Balance",
        [](DocumentModel& document, benchmark::State&) { document.balance(true, AtomicWeights::Table); });
    add("Calculate", [](DocumentModel& document, benchmark::State& state) {
        state.counters["complete"] = document.calculate();
    });
    add("Recalculate", [](DocumentModel& document, benchmark::State& state) {
        state.counters["complete"] = document.recalculate();
    });
    add("ExportHtml", [name](DocumentModel& document, benchmark::State&) {
        WriteHtmlPage(document.document(), ExportView(), PathOf(name + ".html").toStdString());
    });
    add("ExportBitmap", [name](DocumentModel& document, benchmark::State&) {
        WriteBitmapFile(RenderBitmap(BitmapSourceOf(document.document(), ExportView())),
                        PathOf(name + ".bmp").toStdString());
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::pair<const char*, DocumentData (*)()> documents[] = {
        {"largest", Largest},      {"wide", Wide},   {"tall", Tall},
        {"crafted", Crafted},      {"chain", Chain}, {"deep", Deep},
        {"reaction", LongReaction}};
    for (const auto& [name, make] : documents) {
        WriteDocument(name, make());
        Register(name);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
