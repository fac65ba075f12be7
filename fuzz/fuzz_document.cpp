// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the document reader, fed file bytes as a document is read: decoded
// from Windows-1256, split into lines, read. Every byte decodes and encodes back to
// itself, and all it decodes to can be stored; whatever reads as a document must write and
// read back through the same bytes to the same document, the defaults reading must cope
// with the same text, and the HTML page must build from it.
//
// The same bytes are then opened as the File menu opens a file, into the document model
// and its grid, and drawn: the reaction as the reaction line draws it and the whole
// document as the exported bitmap. Opening must succeed exactly when the reading did and
// give back the document read; a failed file changes nothing but the language. The line's
// painting must take the widths its measuring gives, and the picture must stay within the
// export's size limits.
//
// The same bytes are also the user's settings file, read as the window reads it at start:
// the window's stored bounds must come out within the range a rectangle holds, and the key
// options it holds must type a reaction.

#include "core/ReactionText.h"
#include "document/DocumentFile.h"
#include "document/Exports.h"
#include "document/FileAccess.h"
#include "document/HtmlPage.h"
#include "grid/GridItems.h"
#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "model/Settings.h"
#include "render/BitmapExport.h"
#include "render/DrawReaction.h"
#include "texts/CodePage.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {
// The grid keeps every column within 0 to 10000 pixels; the exported picture is at most
// 16,384 pixels a side and 2^23 pixels in all.
constexpr int MaxColumnWidth = 10000;
constexpr int MaxPictureSide = 16384;
constexpr long long MaxPicturePixels = 1LL << 23;

// A broken promise stops the run, naming what was broken.
#define Require(condition) ((condition) ? void() : Fail(#condition, __LINE__))
[[noreturn]] void Fail(const char* condition, int line)
{
    std::fprintf(stderr, "fuzz_document.cpp:%d: %s does not hold\n", line, condition);
    std::abort();
}

// Drawing text needs a GUI application; the fuzzer has no display. It is made once and
// kept to the end of the process, as a program's application is.
QString FilePath()
{
    static const bool started = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_document";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);
        return true;
    }();
    static const QTemporaryDir folder;
    Require(started && folder.isValid());
    return folder.filePath("fuzz.KVX");
}

// Opens the bytes from a file, as the File menu does.
bool Open(DocumentModel& model, const std::string& bytes, std::string& reason)
{
    const QString path = FilePath();
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Require(file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
    file.close();
    try {
        model.open(path, QString());
    } catch (const FileError& error) {
        reason = error.what();
        return false;
    }
    return true;
}

// The document as the model holds it: the same, with the widths the grid allows. A grid
// without rows or columns is read as well, but the model always has a header row and a
// column, so only its shape is checked then.
void RequireLoaded(const DocumentModel& model, const DocumentData& doc)
{
    const DocumentData held = model.document().data();
    // The font sizes within those a font dialog offers.
    FontSettings fonts = doc.Fonts;
    for (int i = 0; i < FontSettings::Count; ++i)
        fonts.At(i).Size = std::clamp(fonts.At(i).Size, SmallestFontSize, LargestFontSize);
    Require(held.ReactionText == doc.ReactionText && held.Lang == doc.Lang && held.Fonts == fonts &&
            held.Formulas == doc.Formulas && held.TypesList == doc.TypesList);
    Require(!model.isModified() && model.fileName() == FilePath());
    const GridModel& grid = *model.grid();
    Require(grid.gridRowCount() >= 1 && grid.gridColumnCount() >= 1);
    for (const GridRow& row : held.Cells)
        Require(row.size() == held.Widths.size());
    if (!doc.Cells.empty() && !doc.Widths.empty()) {
        Require(held.Cells == doc.Cells && held.Widths.size() == doc.Widths.size());
        for (size_t c = 0; c < doc.Widths.size(); ++c)
            Require(held.Widths[c] == std::clamp(doc.Widths[c], 0, MaxColumnWidth));
    }
    // Views see the data rows as rows and the item names as the header.
    Require(grid.rowCount() == grid.gridRowCount() - 1 && grid.columnCount() == grid.gridColumnCount());
    for (int c = 0; c < grid.columnCount(); ++c) {
        const std::string& name = held.Cells[0][size_t(c)];
        Require(grid.headerData(c, Qt::Horizontal).toString().toStdString() == name);
        for (int r = 0; r < grid.rowCount(); ++r)
            Require(grid.data(grid.index(r, c)).toString().toStdString() ==
                    held.Cells[size_t(r) + 1][size_t(c)]);
    }
}

void Draw(const DocumentModel& model)
{
    // The reaction line: a window-wide canvas, painted at the widths measured.
    const FontSettings& fonts = model.fonts();
    const int lineHeight = ReactionLineHeight(fonts);
    Require(lineHeight > 0);
    QImage line(800, lineHeight, QImage::Format_RGB32);
    QPainter painter(&line);
    const std::vector<int> widths =
        DrawReaction(painter, model.reactionText(), fonts, 0, lineHeight, QGuiApplication::palette());
    painter.end();
    Require(widths.size() == model.reactionText().size() &&
            widths == MeasureReaction(model.reactionText(), fonts));

    // The exported picture, rows as high as the command line draws them.
    const QImage picture =
        RenderBitmap(BitmapSourceOf(model.document(), ExportView()), QGuiApplication::palette());
    Require(!picture.isNull() && picture.width() <= MaxPictureSide && picture.height() <= MaxPictureSide &&
            (long long)picture.width() * picture.height() <= MaxPicturePixels);
}

// The bytes as the settings file, in a configuration folder of the fuzzer's own.
void ReadAsSettings(const std::string& bytes)
{
    static const QTemporaryDir config;
    static const bool pointed = [] {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        return QDir(config.path()).mkpath("Velk");
    }();
    const QString path = QString::fromStdString(UserSettingsPath());
    Require(pointed && path == config.path() + "/Velk/ST1.conf");
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    Require(file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
    file.close();

    const Settings settings = Settings::load();
    const QRect bounds = settings.Bounds;
    Require(bounds.width() >= 0 && bounds.width() <= 1 << 20 && bounds.height() >= 0 &&
            bounds.height() <= 1 << 20);
    Require(std::abs(bounds.left()) <= 1 << 20 && std::abs(bounds.top()) <= 1 << 20);
    TypeReaction("h2=o2 h2o kmno4+hcl", settings.Keys);
}

// A fresh document's data, which a failed open leaves as it was but for the language.
DocumentData Untouched(Language lang)
{
    static const DocumentData fresh = Document().data();
    DocumentData doc = fresh;
    doc.Lang = lang;
    return doc;
}
} // namespace

// The font lookups in fontconfig keep allocations of their own that nothing frees.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ReadAsSettings(bytes);
    const std::string text = DecodeCodePage(bytes);
    Require(EncodeCodePage(text) == bytes && KeepCodePageText(text) == text);
    const std::vector<std::string> lines = SplitDocumentLines(text);
    Require(SplitDocumentLines(JoinDocumentLines(lines)) == lines);

    ReadDefaultsLines(lines);

    std::optional<DocumentData> doc;
    try {
        doc = ReadDocumentLines(lines);
    } catch (const DocumentReadError& error) {
        Require(!std::string(error.what()).empty()); // the command line prints the reason
    }
    if (doc) {
        const std::vector<std::string> written = WriteDocumentLines(*doc);
        const std::string saved = EncodeCodePage(JoinDocumentLines(written));
        Require(ReadDocumentLines(SplitDocumentLines(DecodeCodePage(saved))) == *doc);
        // A defaults file in the layout gives New everything the document holds.
        const DefaultsData defaults = ReadDefaultsLines(written);
        Require(defaults.SubscriptsPosition && *defaults.Widths == doc->Widths &&
                defaults.Formulas == doc->Formulas);
        BuildHtmlPage(DocumentCaption("/tmp/fuzz.KVX"), doc->ReactionText, doc->Fonts, doc->Cells);
    }

    DocumentModel model;
    std::string reason;
    const bool opened = Open(model, bytes, reason);
    Require(opened == doc.has_value());
    if (!opened) {
        // The reason names the file; the language line, when there is one, is in force.
        Require(reason.rfind(QFile::encodeName(FilePath()).toStdString() + ": ", 0) == 0);
        Require(model.document().data() ==
                Untouched(lines.size() > 1 ? LanguageOfDocumentTag(lines[1]) : Language::English));
        return 0;
    }
    RequireLoaded(model, *doc);
    Draw(model);
    return 0;
}
