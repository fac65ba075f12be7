// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DrawnExports.h"

#include "document/Document.h"
#include "document/Exports.h"
#include "render/BitmapExport.h"
#include "render/Handout.h"
#include "render/ReactionPicture.h"
#include "texts/Texts.h"

#include <QGuiApplication>

#include <memory>

namespace {
// Drawing text needs the font database of a GUI application; without a display it is the
// offscreen one, for as long as the export runs.
template <typename Draw> void WithGuiApplication(Draw draw)
{
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "stoikon";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    draw();
}

void WritePicture(const Document& document, const ExportView& view, const std::string& path)
{
    WithGuiApplication([&] {
        WriteBitmapFile(RenderBitmap(BitmapSourceOf(document, view), QGuiApplication::palette()), path);
    });
}

void WriteHandout(const Document& document, const ExportView& view, const std::string& path)
{
    WithGuiApplication([&] { WriteHandoutPdf(BitmapSourceOf(document, view), path); });
}

void WriteSvg(const Document& document, const ExportView&, const std::string& path)
{
    WithGuiApplication([&] { WriteReactionSvg(document.reaction(), document.fonts(), path); });
}
} // namespace

void RegisterDrawnExports()
{
    // clang-format off
    AddDocumentExport({"exportBitmap", "--export-bitmap", "PICTURE.png",
                       "write the document's reaction and grid as a picture: PNG for a .png name, "
                       "a bitmap (BMP) for any other",
                       &Texts::ExportBitmapCaption, &Texts::ExportBitmapHint, "Ctrl+P", "image-x-generic",
                       nullptr, "PNG pictures (*.png);;Bitmaps (*.bmp)", ".png", 1, WritePicture});
    AddDocumentExport({"exportPdf", "--export-pdf", "HANDOUT.pdf",
                       "write the document's reaction and grid as a handout, a PDF on the locale's paper "
                       "(A4 or Letter)",
                       &Texts::ExportPdfCaption, &Texts::ExportPdfHint, "", "application-pdf",
                       nullptr, "PDF files (*.pdf)", ".pdf", 3, WriteHandout});
    AddDocumentExport({"exportSvg", "--export-svg", "REACTION.svg",
                       "write the document's reaction as an SVG picture",
                       &Texts::ExportSvgCaption, &Texts::ExportSvgHint, "", "image-svg+xml",
                       nullptr, "SVG pictures (*.svg)", ".svg", 4, WriteSvg});
    // clang-format on
}
