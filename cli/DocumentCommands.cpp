// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DocumentCommands.h"

#include "core/ReactionText.h"
#include "document/DefaultsLocation.h"
#include "document/Document.h"
#include "document/Exports.h"
#include "document/FileAccess.h"
#include "texts/Messages.h"
#include "texts/Texts.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include <sys/stat.h>

namespace {
// An empty path (an unset variable in a script) is a mistake, never the current folder or
// the document itself.
bool Usage(const std::vector<std::string>& operands, std::size_t count, const std::string& usage,
           std::ostream& err)
{
    if (operands.size() == count && std::none_of(operands.begin(), operands.end(),
                                                 [](const std::string& operand) { return operand.empty(); }))
        return true;
    err << "Usage: stoikon " << usage << '\n';
    return false;
}

// An export written over its own document would replace the document with the page.
bool DistinctOutput(const std::string& input, const std::string& output, std::ostream& err)
{
    struct stat in;
    struct stat out;
    const bool same =
        input == output || (::stat(input.c_str(), &in) == 0 && ::stat(output.c_str(), &out) == 0 &&
                            in.st_dev == out.st_dev && in.st_ino == out.st_ino);
    if (same)
        err << "stoikon: " << output << " is the document itself\n";
    return !same;
}

// A failure prints the program's message (the first line of the window's message box for
// it) and, on a line of its own, the path and the cause.
bool Failed(const LocalText& message, const FileError& error, std::ostream& err)
{
    err << FirstLine(message.In(Language::English)) << '\n' << error.what() << '\n';
    return true;
}

bool Open(Document& document, const std::string& path, const std::string& marksFolder, std::ostream& err)
{
    try {
        document.open(path, marksFolder);
        return true;
    } catch (const FileError& error) {
        Failed(Texts::MsgCannotOpen, error, err);
        return false;
    }
}

int RunExport(const DocumentExport& row, const std::vector<std::string>& operands, std::ostream& err)
{
    if (!row.Write)
        return ForWindowProgram;
    if (!Usage(operands, 2, std::string(row.Option) + " DOCUMENT.KVX " + row.FileOperand, err) ||
        !DistinctOutput(operands[0], operands[1], err))
        return 2;
    // With its worked-out cells known, as the window exports it: they are shown to the
    // sheet's significant figures.
    Document document;
    if (!Open(document, operands[0], WorkedOutRecordFolder(), err))
        return 1;
    try {
        row.Write(document, ExportView(), operands[1]);
    } catch (const FileError& error) {
        Failed(Texts::MsgCannotSave, error, err);
        return 1;
    }
    return 0;
}

int RunCalculate(const std::vector<std::string>& operands, std::istream&, std::ostream&, std::ostream& err)
{
    const auto badUsage = [&err] {
        err << "Usage: stoikon --calculate DOCUMENT.KVX [-o OUTPUT.KVX]\n";
        return 2;
    };
    std::optional<std::string> input;
    std::optional<std::string> output;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        if (operands[i] == "-o" && i + 1 < operands.size() && !output)
            output = operands[++i];
        else if (operands[i] != "-o" && !input)
            input = operands[i];
        else
            return badUsage();
    }
    if (!input || input->empty() || (output && output->empty()))
        return badUsage();
    if (!output)
        output = input;

    // As the window opens, calculates and saves: the worked-out cells are remembered too.
    const std::string marks = WorkedOutRecordFolder();
    Document document;
    if (!Open(document, *input, marks, err))
        return 1;
    // Balanced with the default key options, as the command line reads every reaction. A
    // row the user added stays: the command works out cells and nothing else.
    ChosenReading reading;
    const BalanceOutcome outcome =
        document.balance(KeyOptions().AutoCase, CommandLineWeights(), Medium::None, {}, &reading, true);
    const std::string note = ReadingNote(reading, Language::English);
    if (!note.empty())
        err << "stoikon: " << note << '\n';
    if (const LocalText* message = BalanceMessage(outcome.status)) {
        err << FirstLine(message->In(Language::English)) << '\n' << RefusalNote(outcome) << '\n';
        return 1;
    }
    // Every sweep can fill cells from values the one before wrote; the sweeps go on until
    // one fills nothing, within one work limit for them all.
    const bool complete = document.calculateUntilSettled();
    try {
        document.save(*output, marks);
    } catch (const FileError& error) {
        Failed(Texts::MsgCannotSave, error, err);
        return 1;
    }
    // Saved as far as it was calculated.
    if (!complete)
        err << Texts::MsgGridTooLarge.In(Language::English) << '\n';
    return complete ? 0 : 1;
}

// Where New finds the defaults file of each language and where Options > Default writes.
int RunDefaults(const std::vector<std::string>& operands, std::istream&, std::ostream& out, std::ostream& err)
{
    if (!Usage(operands, 0, "--defaults", err))
        return 2;
    int status = 0;
    for (const LanguageRow& language : Languages()) {
        const std::string path = FindDefaultsFile(language.DefaultsFile);
        out << language.Name << " defaults (" << language.DefaultsFile
            << "): " << (path.empty() ? std::string("not found") : path) << '\n';
        if (path.empty())
            status = 1;
    }
    out << "Options > Default writes to: " << DefaultsWriteFolder() << '\n';
    if (status != 0) {
        err << "stoikon: looked in ";
        const std::vector<std::string> folders = DefaultsSearchFolders();
        for (std::size_t i = 0; i < folders.size(); ++i)
            err << (i > 0 ? ", " : "") << folders[i];
        err << '\n';
    }
    return status;
}
} // namespace

void AddDocumentOptions(std::vector<CommandLineOption>& options)
{
    for (const DocumentExport& row : DocumentExports())
        options.push_back({row.Option, std::string("DOCUMENT.KVX ") + row.FileOperand, row.Help,
                           [row](const std::vector<std::string>& operands, std::istream&, std::ostream&,
                                 std::ostream& err) { return RunExport(row, operands, err); }});
    options.push_back({"--calculate", "DOCUMENT.KVX [-o OUTPUT.KVX]",
                       "balance the document's reaction, calculate its grid until no cell fills, and save it "
                       "(to OUTPUT.KVX when given)",
                       RunCalculate});
    options.push_back({"--defaults", "",
                       "show where new documents take their defaults from (New.KVX for English, "
                       "NewF.KVX for Farsi) and where Options > Default writes them",
                       RunDefaults});
}
