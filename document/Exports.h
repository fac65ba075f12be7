// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ways a document is exported, a row each. The File menu makes a command of every row
// and the command line an option, so an export is added in one place:
//   AddDocumentExport({"exportHtml", "--export-html", "PAGE.html", "write ... as a web page",
//                      &Texts::ExportHtmlCaption, &Texts::ExportHtmlHint, "Ctrl+H", "text-html",
//                      &Texts::SaveDialogTitle, "HTML files (*.htm *.html)", ".html", 2, WriteHtmlPage});
// The web page is this library's own row. A row that needs more (the bitmap needs Qt's
// drawing) is listed here without its Write, so that the command line, which loads no Qt,
// lists its option and hands it to the window program, where the library that can write it
// gives the Write (SetExportWriter).

#include "texts/Language.h"

#include <string>
#include <vector>

class Document;

// What an export shows of the window besides the document: how high the grid's rows stand
// on screen, the header row first (empty: every row as high as a new grid shows it), and
// whether the pictures and handouts are the students' sheet, the worked-out cells empty.
struct ExportView
{
    std::vector<int> RowHeights;
    bool StudentsSheet = false;
};

// Writes the export to path, replacing the file only once all of it is written.
// Throws FileError.
using ExportWriter = void (*)(const Document& document, const ExportView& view, const std::string& path);

struct DocumentExport
{
    const char* Id;          // the command's name
    const char* Option;      // the command line's option
    const char* FileOperand; // how --help shows the file written
    const char* Help;        // --help's line
    const LocalText* Caption;
    const LocalText* Hint;
    const char* Key;              // the menu item's key, "" for none
    const char* Icon;             // the icon's name
    const LocalText* DialogTitle; // the save dialog's title; null: the short part of Hint
    const char* Filter;           // what the save dialog offers
    const char* Extension;        // added to a chosen name without one
    int Order;                    // its place among the exports in the File menu and on the tool bar
    ExportWriter Write;           // null until the library that draws the export gives it
};

// Every export, the web page first, then as they were added.
const std::vector<DocumentExport>& DocumentExports();
// A row with the Id of one already there replaces nothing and is left out.
void AddDocumentExport(const DocumentExport& row);
// Gives the row with this Id the function that writes it.
void SetExportWriter(const char* id, ExportWriter write);

// The HTML page of the reaction and the grid.
void WriteHtmlPage(const Document& document, const ExportView& view, const std::string& path);
