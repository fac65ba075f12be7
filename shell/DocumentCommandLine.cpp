// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DocumentCommandLine.h"

#include "core/ReactionText.h"
#include "document/DefaultsLocation.h"
#include "document/DocumentModel.h"
#include "document/FilePath.h"
#include "editor/BitmapExport.h"
#include "grid/GridItems.h"
#include "grid/GridModel.h"
#include "shell/BalanceOutput.h"
#include "shell/CommandLine.h"

#include <QGuiApplication>

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>

#include <sys/stat.h>

namespace {
// An empty path (an unset variable in a script) is a mistake, never the current folder or
// the document itself.
bool Usage(const std::vector<std::string>& operands, std::size_t count, const char* usage, std::ostream& err)
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

// The path's bytes reach the file system as they were given.
QString PathOf(const std::string& operand)
{
    return PathFromBytes(operand);
}

// A failure prints the program's message (the first line of the window's message box for
// it) and, on a line of its own, the path and the cause.
bool Open(DocumentModel& document, const std::string& path, std::ostream& err)
{
    std::string reason;
    if (document.load(PathOf(path), &reason))
        return true;
    err << "Can not open this file\n" << reason << '\n';
    return false;
}

int Saved(bool written, const std::string& reason, std::ostream& err)
{
    if (written)
        return 0;
    err << "Can not save this file\n" << reason << '\n';
    return 1;
}

int RunExportHtml(const std::vector<std::string>& operands, std::istream&, std::ostream&, std::ostream& err)
{
    if (!Usage(operands, 2, "--export-html DOCUMENT.KVX PAGE.html", err) ||
        !DistinctOutput(operands[0], operands[1], err))
        return 2;
    DocumentModel document;
    if (!Open(document, operands[0], err))
        return 1;
    std::string reason;
    return Saved(document.writeHtmlPage(PathOf(operands[1]), &reason), reason, err);
}

int RunExportBitmap(const std::vector<std::string>& operands, std::istream&, std::ostream&, std::ostream& err)
{
    if (!Usage(operands, 2, "--export-bitmap DOCUMENT.KVX PICTURE.bmp", err) ||
        !DistinctOutput(operands[0], operands[1], err))
        return 2;
    DocumentModel document;
    if (!Open(document, operands[0], err))
        return 1;
    // Drawing text needs the font database of a GUI application; without a display it is
    // the offscreen one.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "stoikon";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    // Every row as high as the grid shows it before the options change it.
    const std::vector<int> rowHeights(size_t(document.grid()->gridRowCount()), DefaultRowHeight);
    const QImage picture = RenderBitmap(BitmapSourceOf(document, rowHeights), QGuiApplication::palette());
    std::string reason;
    return Saved(WriteBitmapFile(picture, PathOf(operands[1]), &reason), reason, err);
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

    DocumentModel document;
    if (!Open(document, *input, err))
        return 1;
    // Balanced with the default key options, as the command line reads every reaction. A
    // row the user added stays: the command works out cells and nothing else.
    ChosenReading reading;
    const BalanceOutcome outcome =
        document.balance(KeyOptions().ChB, CommandLineWeights(), Medium::None, {}, &reading, true);
    const std::string note = ReadingNote(reading, Language::English);
    if (!note.empty())
        err << "stoikon: " << note << '\n';
    switch (outcome.status) {
    case BalanceOutcome::Status::InvalidReaction:
        err << "Invalid reaction\n" << RefusalNote(outcome) << '\n';
        return 1;
    case BalanceOutcome::Status::CannotBalance:
        err << "Can not balance this reaction\n" << RefusalNote(outcome) << '\n';
        return 1;
    case BalanceOutcome::Status::Balanced:
        break;
    }
    // Every sweep can fill cells from values the one before wrote; the sweeps go on until
    // one fills nothing, within one work limit for them all.
    const bool complete = document.calculateUntilSettled();
    std::string reason;
    if (const int status = Saved(document.saveTo(PathOf(*output), &reason), reason, err); status != 0)
        return status;
    // Saved as far as it was calculated.
    if (!complete)
        err << "The grid is too large to calculate completely\n";
    return complete ? 0 : 1;
}

// Where New finds the defaults file of each language and where Options > Default writes.
int RunDefaults(const std::vector<std::string>& operands, std::istream&, std::ostream& out, std::ostream& err)
{
    if (!Usage(operands, 0, "--defaults", err))
        return 2;
    // The program's own folder is known once an application object exists.
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "stoikon";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const auto local = [](const QString& path) { return PathBytes(path); };
    int status = 0;
    for (const bool farsi : {false, true}) {
        const QString name = DefaultsFileName(farsi);
        const QString path = FindDefaultsFile(name);
        out << (farsi ? "Farsi" : "English") << " defaults (" << name.toStdString()
            << "): " << (path.isEmpty() ? std::string("not found") : local(path)) << '\n';
        if (path.isEmpty())
            status = 1;
    }
    out << "Options > Default writes to: " << local(DefaultsWriteFolder()) << '\n';
    if (status != 0)
        err << "stoikon: looked in " << local(DefaultsSearchFolders().join(QStringLiteral(", "))) << '\n';
    return status;
}
} // namespace

void RegisterDocumentCommands()
{
    AddCommandLineOption({"--export-html", "DOCUMENT.KVX PAGE.html",
                          "write the document's reaction and grid as a web page", RunExportHtml});
    AddCommandLineOption({"--export-bitmap", "DOCUMENT.KVX PICTURE.bmp",
                          "write the document's reaction and grid as a bitmap picture", RunExportBitmap});
    AddCommandLineOption(
        {"--calculate", "DOCUMENT.KVX [-o OUTPUT.KVX]",
         "balance the document's reaction, calculate its grid until no cell fills, and save it "
         "(to OUTPUT.KVX when given)",
         RunCalculate});
    AddCommandLineOption({"--defaults", "",
                          "show where new documents take their defaults from (New.KVX for English, "
                          "NewF.KVX for Farsi) and where Options > Default writes them",
                          RunDefaults});
}
