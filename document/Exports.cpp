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

void WriteHtmlPage(const Document& document, const ExportView&, const std::string& path)
{
    ReplaceFile(path, DocumentFileBytes(document.htmlPage()));
}
