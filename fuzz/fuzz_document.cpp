// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the document reader, fed file bytes as a document is read: decoded
// from Windows-1256, split into lines, read. Every byte decodes and encodes back to
// itself, and all it decodes to can be stored; whatever reads as a document must write and
// read back through the same bytes to the same document, the defaults reading must cope
// with the same text, and the HTML page must build from it.

#include "core/CodePage.h"
#include "document/DocumentFile.h"
#include "document/HtmlPage.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = DecodeCodePage(bytes);
    if (EncodeCodePage(text) != bytes || KeepCodePageText(text) != text)
        std::abort();
    const std::vector<std::string> lines = SplitDocumentLines(text);
    if (SplitDocumentLines(JoinDocumentLines(lines)) != lines)
        std::abort();

    ReadDefaultsLines(lines);

    DocumentData doc;
    try {
        doc = ReadDocumentLines(lines);
    } catch (const DocumentReadError& error) {
        if (std::string(error.what()).empty()) // the command line prints the reason
            std::abort();
        return 0;
    }
    const std::vector<std::string> written = WriteDocumentLines(doc);
    const std::string saved = EncodeCodePage(JoinDocumentLines(written));
    if (ReadDocumentLines(SplitDocumentLines(DecodeCodePage(saved))) != doc)
        std::abort();
    // A defaults file in the layout gives New everything the document holds.
    const DefaultsData defaults = ReadDefaultsLines(written);
    if (!defaults.SubscriptsPosition || *defaults.Widths != doc.Widths || defaults.Formulas != doc.Formulas)
        std::abort();
    BuildHtmlPage(DocumentCaption("/tmp/fuzz.KVX"), doc.ReactionText, doc.Fonts, doc.Cells);
    return 0;
}
