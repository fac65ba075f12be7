// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ways a document is exported, a row each. The File menu makes a command of every row
// and the command line an option, so an export is added in one place:
//   AddDocumentExport({"exportHtml", "--export-html", "PAGE.html", "write ... as a web page",
//                      &Texts::ExportHtmlCaption, &Texts::ExportHtmlHint, "Ctrl+H", "text-html",
//                      &Texts::SaveDialogTitle, "HTML files (*.htm *.html)", ".html", 2, WriteHtmlPage});
// The web page is this library's own row; rows that need more (the bitmap needs Qt's
// drawing) are added by the library that can write them.

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
    // Writes the export to path, replacing the file only once all of it is written.
    // Throws FileError.
    void (*Write)(const Document& document, const ExportView& view, const std::string& path);
};

// Every export, the web page first, then as they were added.
const std::vector<DocumentExport>& DocumentExports();
// A row with the Id of one already there replaces nothing and is left out.
void AddDocumentExport(const DocumentExport& row);

// The HTML page of the reaction and the grid.
void WriteHtmlPage(const Document& document, const ExportView& view, const std::string& path);
