// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Exports.h"

#include "document/Document.h"
#include "document/FileAccess.h"
#include "texts/Texts.h"

#include <algorithm>
#include <cstring>

namespace {
std::vector<DocumentExport>& Rows()
{
    static std::vector<DocumentExport> rows = {
        {"exportHtml", "--export-html", "PAGE.html", "write the document's reaction and grid as a web page",
         &Texts::ExportHtmlCaption, &Texts::ExportHtmlHint, "Ctrl+H", "text-html", &Texts::SaveDialogTitle,
         "HTML files (*.htm *.html)", ".html", 2, WriteHtmlPage},
        // Drawn with Qt Gui: render/ writes them (RegisterDrawnExports), in the window program.
        {"exportBitmap", "--export-bitmap", "PICTURE.png",
         "write the document's reaction and grid as a picture: PNG for a .png name, a bitmap (BMP) for any "
         "other",
         &Texts::ExportBitmapCaption, &Texts::ExportBitmapHint, "Ctrl+P", "image-x-generic", nullptr,
         "PNG pictures (*.png);;Bitmaps (*.bmp)", ".png", 1, nullptr},
        {"exportPdf", "--export-pdf", "HANDOUT.pdf",
         "write the document's reaction and grid as a handout, a PDF on the locale's paper (A4 or Letter)",
         &Texts::ExportPdfCaption, &Texts::ExportPdfHint, "", "application-pdf", nullptr, "PDF files (*.pdf)",
         ".pdf", 3, nullptr},
        {"exportSvg", "--export-svg", "REACTION.svg", "write the document's reaction as an SVG picture",
         &Texts::ExportSvgCaption, &Texts::ExportSvgHint, "", "image-svg+xml", nullptr,
         "SVG pictures (*.svg)", ".svg", 4, nullptr},
    };
    return rows;
}
} // namespace

const std::vector<DocumentExport>& DocumentExports()
{
    return Rows();
}

void AddDocumentExport(const DocumentExport& row)
{
    std::vector<DocumentExport>& rows = Rows();
    if (std::none_of(rows.begin(), rows.end(),
                     [&row](const DocumentExport& r) { return std::strcmp(r.Id, row.Id) == 0; }))
        rows.push_back(row);
}

void SetExportWriter(const char* id, ExportWriter write)
{
    for (DocumentExport& row : Rows())
        if (std::strcmp(row.Id, id) == 0)
            row.Write = write;
}

void WriteHtmlPage(const Document& document, const ExportView&, const std::string& path)
{
    ReplaceFile(path, DocumentFileBytes(document.htmlPage()));
}
