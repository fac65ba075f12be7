// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the document reader. Besides not crashing, whatever reads as a
// document must write and read back to the same document, the defaults reading must
// cope with the same text, and the HTML page must build from it.

#include "document/DocumentFile.h"
#include "document/HtmlPage.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitDocumentLines(text);
    if (SplitDocumentLines(JoinDocumentLines(lines)) != lines)
        std::abort();

    ReadDefaultsLines(lines);

    DocumentData doc;
    try {
        doc = ReadDocumentLines(lines);
    } catch (const DocumentReadError&) {
        return 0;
    }
    const std::vector<std::string> written = WriteDocumentLines(doc);
    if (ReadDocumentLines(SplitDocumentLines(JoinDocumentLines(written))) != doc)
        std::abort();
    // A defaults file in the layout gives New everything the document holds.
    const DefaultsData defaults = ReadDefaultsLines(written);
    if (!defaults.SubscriptsPosition || *defaults.Widths != doc.Widths || defaults.Formulas != doc.Formulas)
        std::abort();
    BuildHtmlPage(DocumentCaption("/tmp/fuzz.KVX"), doc.ReactionText, doc.Fonts, doc.Cells);
    return 0;
}
