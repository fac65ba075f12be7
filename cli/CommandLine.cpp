// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "cli/BalanceOutput.h"
#include "cli/DocumentCommands.h"
#include "core/Balance.h"
#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/NotationWriters.h"
#include "core/ReactionText.h"
#include "core/TextbookNotation.h"
#include "generated/Version.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <istream>
#include <ostream>
#include <sstream>
#include <string_view>

#include <fcntl.h>
#include <unistd.h>

namespace {

AtomicWeights RunWeights = AtomicWeights::Precise;

// The longest line of standard input that is read: a reaction or a formula is a few hundred
// bytes at most, and a line a thousand times longer still balances in a moment.
constexpr std::size_t MaxInputLineBytes = 64 * 1024;
const std::string TooLongNote = "line too long (more than " + std::to_string(MaxInputLineBytes) + " bytes)";

// Output that could not be written (a full disk, /dev/full, a closed standard output) fails
// the run with the cause on standard error, as the core utilities report it. The stream is
// flushed once more to learn the cause when it failed earlier.
bool OutputWritten(std::ostream& out, std::ostream& err)
{
    const bool failedBefore = !out;
    out.clear();
    errno = 0;
    out.flush();
    if (out && !failedBefore)
        return true;
    const int cause = errno;
    err << "stoikon: write error" << (cause != 0 ? std::string(": ") + std::strerror(cause) : std::string())
        << '\n';
    return false;
}

// One line of standard input, as ReadLines passes it on.
struct InputLine
{
    std::string Text;  // without its line feed, nor the one CR before it; empty when too long
    bool Blank = true; // nothing but blanks and tabs
    bool TooLong = false;
};

// The lines of standard input, each passed to onLine as soon as it ends. A line longer than
// MaxInputLineBytes is not kept: it is passed on empty and marked too long, so input of any
// length takes little memory. Before a read that may have to wait, what is written so far
// is flushed: a result shows as soon as it is ready. Reading stops once the output fails.
template <class OnLine> void ReadLines(std::istream& in, std::ostream& out, OnLine onLine)
{
    std::streambuf* source = in.rdbuf();
    char chunk[1 << 16];
    InputLine line;
    bool anyByte = false; // the line has begun
    bool heldCR = false;  // a CR that is dropped if the line ends right after it
    auto keep = [&](std::string_view bytes) {
        if (line.TooLong)
            return;
        if (line.Text.size() + bytes.size() > MaxInputLineBytes) {
            line.TooLong = true;
            line.Blank = false;
            std::string().swap(line.Text);
            return;
        }
        if (line.Blank && bytes.find_first_not_of(" \t") != std::string_view::npos)
            line.Blank = false;
        line.Text.append(bytes);
    };
    auto piece = [&](std::string_view bytes) {
        if (bytes.empty())
            return;
        anyByte = true;
        if (heldCR) {
            keep("\r");
            heldCR = false;
        }
        if (bytes.back() == '\r') {
            heldCR = true;
            bytes.remove_suffix(1);
        }
        keep(bytes);
    };
    auto endLine = [&]() {
        onLine(line);
        line.Text.clear(); // its storage serves the next line
        line.Blank = true;
        line.TooLong = false;
        anyByte = false;
        heldCR = false;
    };
    while (out) {
        std::streamsize available = source->in_avail();
        if (available <= 0) {
            out.flush();
            const int c = source->sbumpc(); // waits for input, or the end of it
            if (c == std::char_traits<char>::eof())
                break;
            chunk[0] = char(c);
            available = 1;
        } else {
            available = source->sgetn(chunk, std::min<std::streamsize>(available, sizeof chunk));
        }
        std::string_view bytes(chunk, size_t(available));
        for (size_t feed = bytes.find('\n'); feed != std::string_view::npos; feed = bytes.find('\n')) {
            piece(bytes.substr(0, feed));
            endLine();
            bytes.remove_prefix(feed + 1);
        }
        piece(bytes);
    }
    if (anyByte && out)
        endLine();
}

// --OPTION NAME or --OPTION=NAME, anywhere among the operands, is taken out of them and
// read by parse. False, with a message naming the choices, for a missing or unknown name.
template <class Parse>
bool TakeNamedOption(std::vector<std::string>& operands, const std::string& option, const char* what,
                     const char* choices, Parse parse, std::ostream& err)
{
    std::vector<std::string> rest;
    for (std::size_t k = 0; k < operands.size(); ++k) {
        const std::string& operand = operands[k];
        if (operand != option && operand.rfind(option + "=", 0) != 0) {
            rest.push_back(operand);
            continue;
        }
        const bool joined = operand != option;
        if (!joined && k + 1 == operands.size()) {
            err << "stoikon: " << option << " needs a name: " << choices << "\n";
            return false;
        }
        const std::string name = joined ? operand.substr(option.size() + 1) : operands[++k];
        if (!parse(name)) {
            err << "stoikon: unknown " << what << " '" << name << "': " << choices << "\n";
            return false;
        }
    }
    operands = rest;
    return true;
}

// The reactions of a mode, one at a time: the operands, or else the lines of standard input.
// The line is kept whole (whether it is textbook notation depends on all of it), unless it
// is too long: then it comes empty, and tooLong is set.
template <class Each>
void ForEachReaction(const std::vector<std::string>& operands, std::istream& in, std::ostream& out, Each each)
{
    std::size_t number = 0;
    for (const std::string& reaction : operands)
        each(reaction, "reaction", ++number, false);
    if (operands.empty())
        ReadLines(in, out, [&](const InputLine& line) { each(line.Text, "line", ++number, line.TooLong); });
}

// A line's answer on standard output, the note on standard error; a failure fails the run.
void Answer(const BalancedLine& result, const char* kind, std::size_t number, std::ostream& out,
            std::ostream& err, int& status)
{
    // Straight into the stream's buffer: the formatting of << is not needed for a line of text.
    // A line that does not go in fails the stream as << would, and nothing more is written.
    if (out && (out.rdbuf()->sputn(result.Output.data(), std::streamsize(result.Output.size())) !=
                    std::streamsize(result.Output.size()) ||
                out.rdbuf()->sputc('\n') == std::char_traits<char>::eof()))
        out.setstate(std::ios::badbit);
    // In one piece: standard error is unbuffered, and each piece would be a write of its own.
    if (!result.Note.empty()) {
        std::string message;
        message.reserve(40 + result.Note.size()); // made once, not piece by piece
        message.append("stoikon: ").append(kind).append(1, ' ').append(std::to_string(number)).append(": ");
        message.append(result.Note).append(1, '\n');
        err << message;
    }
    if (result.Failed)
        status = 1;
}

// Each reaction is read as textbook notation or typed keys (ReadReactionLine), balanced and
// written in the chosen format; from standard input, line by line as the lines arrive.
int RunBalance(const std::vector<std::string>& givenOperands, std::istream& in, std::ostream& out,
               std::ostream& err)
{
    std::vector<std::string> operands = givenOperands;
    const ReactionNotation* notation = &ReactionNotations().front();
    Medium medium = Medium::None;
    const auto readMedium = [&medium](const std::string& name) {
        medium = name == "acid" ? Medium::Acidic : name == "base" ? Medium::Basic : Medium::None;
        return medium != Medium::None;
    };
    const std::string notations = NotationNames();
    if (!TakeNamedOption(
            operands, "--format", "format", notations.c_str(),
            [&notation](const std::string& name) { return (notation = FindNotation(name)) != nullptr; },
            err) ||
        !TakeNamedOption(operands, "--medium", "medium", "acid or base", readMedium, err))
        return 2;
    int status = 0;
    ForEachReaction(operands, in, out,
                    [&](const std::string& line, const char* kind, std::size_t number, bool tooLong) {
                        Answer(tooLong ? UnreadLine(notation, RunWeights, TooLongNote)
                                       : BalanceLine(line, *notation, RunWeights, medium),
                               kind, number, out, err, status);
                    });
    return status;
}

// Each reaction as written, its coefficients checked; 0 when all of them balance.
int RunCheck(const std::vector<std::string>& operands, std::istream& in, std::ostream& out, std::ostream& err)
{
    int status = 0;
    ForEachReaction(operands, in, out,
                    [&](const std::string& line, const char* kind, std::size_t number, bool tooLong) {
                        if (tooLong || !IsBlankLine(line))
                            Answer(tooLong ? UnreadLine(nullptr, RunWeights, TooLongNote) : CheckLine(line),
                                   kind, number, out, err, status);
                    });
    return status;
}

int RunMolarMass(const std::vector<std::string>& operands, std::istream& in, std::ostream& out,
                 std::ostream& err)
{
    int status = 0;
    auto weigh = [&](const std::string& formula) {
        try {
            out << MolarMassAsWritten(formula, RunWeights) << '\n';
        } catch (const StoikonError&) {
            out << "Invalid formula\n";
            status = 1;
        }
    };
    for (const std::string& formula : operands)
        weigh(formula);
    if (operands.empty()) {
        std::size_t number = 0;
        ReadLines(in, out, [&](const InputLine& line) {
            ++number;
            if (line.TooLong) {
                out << "Invalid formula\n";
                err << "stoikon: line " << number << ": " << TooLongNote << '\n';
                status = 1;
            } else if (!line.Blank) {
                weigh(line.Text);
            }
        });
    }
    return status;
}

// Option lines as "  --name OPERANDS", each followed by its help text wrapped to fit 80
// columns under a six-blank indent.
int RunHelp(const std::vector<std::string>&, std::istream&, std::ostream& out, std::ostream&)
{
    out << "Usage: stoikon [DOCUMENT.KVX]\n"
           "       stoikon OPTION [ARGUMENT...]\n"
           "\n"
           "Without an option Stoikon opens its window (and the document, if one is named).\n"
           "\n"
           "Options:\n";
    for (const CommandLineOption& option : CommandLineOptions()) {
        out << "  " << option.Name;
        if (!option.Operands.empty())
            out << ' ' << option.Operands;
        std::istringstream words(option.Help);
        std::string word;
        std::string line = "     ";
        while (words >> word) {
            if (line.size() + 1 + word.size() > 79) {
                out << '\n' << line;
                line = "     ";
            }
            line += ' ' + word;
        }
        out << '\n' << line << '\n';
    }
    return 0;
}

int RunVersion(const std::vector<std::string>&, std::istream&, std::ostream& out, std::ostream&)
{
    out << "Stoikon " << StoikonVersion << '\n';
    return 0;
}

} // namespace

std::vector<CommandLineOption> CommandLineOptions()
{
    std::vector<CommandLineOption> options = {
        {"--balance", "[--format FORMAT] [--medium MEDIUM] [REACTION...]",
         "balance each reaction, typed as in the reaction line (h2=o2 h2o is H2+O2>H2O) or "
         "written as books write it, with subscripts, arrows, charges, hydrate dots and states "
         "(Zn(s) + 2HCl(aq) -> ZnCl2(aq) + H2(g)); without one, read reactions from standard "
         "input, one per line; FORMAT is plain (2H2+O2>2H2O, the default), unicode, latex "
         "(mhchem), html or json. Coefficients written in front choose among several balanced "
         "forms; a refusal says why on standard error. --medium acid or base completes a redox "
         "reaction of ions that lacks only hydrogen and oxygen with H^+ or OH^- and H2O",
         RunBalance},
        {"--check", "[REACTION...]",
         "check whether the coefficients as written balance each reaction (1 where none is "
         "written): the tally of each element and the charge on both sides, and whether they "
         "are in lowest terms; exit status 0 when every reaction balances",
         RunCheck},
        {"--molar-mass", "[FORMULA...]",
         "print the molar mass of each formula; without one, read formulas from standard input",
         RunMolarMass},
    };
    AddDocumentOptions(options);
    options.push_back(
        {"--two-decimal-weights", "",
         "weigh with the program's former two-decimal table of atomic weights (18.01 for H2O) "
         "instead of the IUPAC standard atomic weights abridged to five significant figures "
         "(18.015), in --molar-mass, --calculate, the molar masses of --balance --format json and "
         "the window; it may stand anywhere among the arguments",
         nullptr});
    options.push_back({"--precise", "",
                       "weigh with the IUPAC standard atomic weights, as without an option; kept for "
                       "the scripts that give it",
                       nullptr});
    options.push_back({"--help", "", "show this help and exit", RunHelp});
    options.push_back({"--version", "", "show the version and exit", RunVersion});
    return options;
}

std::optional<AtomicWeights> TakeWeightsOption(std::vector<std::string>& args)
{
    std::optional<AtomicWeights> chosen;
    const auto end = std::remove_if(args.begin(), args.end(), [&chosen](const std::string& arg) {
        if (arg == "--precise" && !chosen)
            chosen = AtomicWeights::Precise;
        else if (arg == "--two-decimal-weights")
            chosen = AtomicWeights::Table;
        else
            return false;
        return true;
    });
    args.erase(end, args.end());
    return chosen;
}

AtomicWeights CommandLineWeights()
{
    return RunWeights;
}

int RunCommandLine(const std::vector<std::string>& givenArgs, std::istream& in, std::ostream& out,
                   std::ostream& err, UnknownOption unknown)
{
    std::vector<std::string> args = givenArgs;
    RunWeights = TakeWeightsOption(args).value_or(AtomicWeights::Precise);
    // No option, or a document path: the window takes over. It opens one document and
    // nothing else; more after it is a mistaken call (an option put after the document).
    if (args.empty() || args.front().size() < 2 || args.front()[0] != '-') {
        if (args.size() <= 1)
            return ForWindowProgram;
        err << "stoikon: '" << args[1] << "' after the document '" << args.front()
            << "': the window opens one document, and an option comes first\n"
            << "Try 'stoikon --help' for the list of options.\n";
        return 2;
    }
    const std::string& name = args.front();
    for (const CommandLineOption& option : CommandLineOptions())
        if (option.Run && (name == option.Name || (name == "-h" && option.Name == "--help"))) {
            const int status =
                option.Run(std::vector<std::string>(args.begin() + 1, args.end()), in, out, err);
            return OutputWritten(out, err) ? status : 1;
        }
    if (unknown == UnknownOption::ForWindowProgram)
        return ForWindowProgram;
    err << "stoikon: unknown option '" << name << "'\n"
        << "Try 'stoikon --help' for the list of options.\n";
    return 2;
}

void PrepareStandardStreams()
{
    // A write to a closed standard output then fails, as it should, instead of going into
    // the first file the program opens, which would take its number.
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) >= 0)
            continue;
        const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
    std::ios::sync_with_stdio(false);
}
