// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DocumentCommandLine.h"

#include "dialogs/MessageBox.h"
#include "document/DefaultsLocation.h"
#include "document/DocumentModel.h"
#include "grid/GridModel.h"
#include "shell/CommandLine.h"
#include "shell/MainU.h"
#include "shell/StoikonApp.h"

#include <QApplication>
#include <QDir>

#include <memory>
#include <ostream>

namespace {
// A headless application and a window that is never shown. Message boxes are not shown
// either: their texts go to the error stream.
class HeadlessDocument
{
  public:
    explicit HeadlessDocument(std::ostream& err)
    {
        if (!QApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            static int argc = 1;
            static char name[] = "stoikon";
            static char* argv[] = {name, nullptr};
            App = std::make_unique<QApplication>(argc, argv);
            QApplication::setApplicationName(QStringLiteral("Stoikon"));
        }
        InitStoikonResources();
        SetMessageBoxHook([this, &err](const MessageRequest& request) {
            err << request.Text.split(QLatin1Char('\r')).front().toStdString() << '\n';
            ++MessagesShown;
            return mrOk;
        });
        Window = std::make_unique<TSTMainForm>();
    }
    ~HeadlessDocument()
    {
        Window.reset();
        SetMessageBoxHook(nullptr);
    }

    bool Open(const std::string& path, std::ostream& err)
    {
        std::string reason;
        if (Window->document()->load(QString::fromLocal8Bit(path.c_str()), &reason))
            return true;
        err << "Can not open this file\n" << reason << '\n';
        return false;
    }

    std::unique_ptr<QApplication> App; // none when the program already has one
    std::unique_ptr<TSTMainForm> Window;
    int MessagesShown = 0;
};

bool Usage(const std::vector<std::string>& operands, std::size_t count, const char* usage, std::ostream& err)
{
    if (operands.size() == count)
        return true;
    err << "Usage: stoikon " << usage << '\n';
    return false;
}

// The program's message and, on a line of its own, the path and the cause.
int SaveFailed(const std::string& reason, std::ostream& err)
{
    err << "Can not save this file\n" << reason << '\n';
    return 1;
}

int RunExport(const std::vector<std::string>& operands, std::ostream& err, const char* usage,
              bool (TSTMainForm::*exportTo)(const QString&, std::string*))
{
    if (!Usage(operands, 2, usage, err))
        return 2;
    HeadlessDocument doc(err);
    if (!doc.Open(operands[0], err))
        return 1;
    std::string reason;
    if (!(doc.Window.get()->*exportTo)(QString::fromLocal8Bit(operands[1].c_str()), &reason))
        return SaveFailed(reason, err);
    return 0;
}

int RunExportHtml(const std::vector<std::string>& operands, std::istream&, std::ostream&, std::ostream& err)
{
    return RunExport(operands, err, "--export-html DOCUMENT.KVX PAGE.html", &TSTMainForm::ExportHtmlTo);
}

int RunExportBitmap(const std::vector<std::string>& operands, std::istream&, std::ostream&, std::ostream& err)
{
    return RunExport(operands, err, "--export-bitmap DOCUMENT.KVX PICTURE.bmp", &TSTMainForm::ExportBitmapTo);
}

int RunCalculate(const std::vector<std::string>& operands, std::istream&, std::ostream&, std::ostream& err)
{
    const auto badUsage = [&err] {
        err << "Usage: stoikon --calculate DOCUMENT.KVX [-o OUTPUT.KVX]\n";
        return 2;
    };
    std::string input;
    std::string output;
    for (std::size_t i = 0; i < operands.size(); ++i) {
        if (operands[i] == "-o" && i + 1 < operands.size() && output.empty())
            output = operands[++i];
        else if (operands[i] != "-o" && input.empty())
            input = operands[i];
        else
            return badUsage();
    }
    if (input.empty())
        return badUsage();
    if (output.empty())
        output = input;

    HeadlessDocument doc(err);
    if (!doc.Open(input, err))
        return 1;
    TSTMainForm* w = doc.Window.get();
    // Balance shows (here: prints) its message when the reaction cannot be balanced.
    w->WeightBtnClick();
    if (doc.MessagesShown > 0)
        return 1;
    // Every click can fill cells from values the one before wrote; stop when one fills
    // nothing (a row count's worth of clicks is always enough for formulas that chain).
    const int limit = w->document()->grid()->gridRowCount() + 10;
    for (int i = 0; i < limit; ++i) {
        if (!w->document()->calculateGrid())
            break;
    }
    std::string reason;
    if (!w->document()->saveTo(QString::fromLocal8Bit(output.c_str()), &reason))
        return SaveFailed(reason, err);
    return 0;
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
    const auto local = [](const QString& path) {
        return QDir::toNativeSeparators(path).toLocal8Bit().toStdString();
    };
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
