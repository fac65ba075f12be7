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
    SetExportWriter("exportBitmap", WritePicture);
    SetExportWriter("exportPdf", WriteHandout);
    SetExportWriter("exportSvg", WriteSvg);
}
