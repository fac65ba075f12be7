// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the commands do, one function a command (the rows are in Commands.cpp), and the
// steps of a document's life that several of them share.

#include "ui/mainwindow/Commands.h"

#include <QString>

struct DocumentExport;

// The File menu.
void NewDocument(const CommandContext& context);
void OpenDocument(const CommandContext& context);
void SaveDocument(const CommandContext& context);
void SaveDocumentAs(const CommandContext& context);
void ExportDocument(const CommandContext& context, const DocumentExport& row);
void PrintHandout(const CommandContext& context);
void ChooseStudentsSheet(const CommandContext& context);
void Quit(const CommandContext& context);

// The Edit menu.
void Undo(const CommandContext& context);
void Redo(const CommandContext& context);

// The Reaction menu and the window's two buttons.
void CopyReaction(const CommandContext& context);
void PasteReaction(const CommandContext& context);
void RecalculateGrid(const CommandContext& context);
void CheckCoefficients(const CommandContext& context);
void Balance(const CommandContext& context);
void CalculateGrid(const CommandContext& context);

// The Settings menu.
void ShowOptions(const CommandContext& context);
void ShowKeyOptions(const CommandContext& context);
void ChoosePreciseWeights(const CommandContext& context);
void SwitchLanguage(const CommandContext& context, Language lang);

// The Help menu.
void StartHelpMode(const CommandContext& context);
void ShowOnlineHelp(const CommandContext& context);
void ExplainFarsiProblems(const CommandContext& context);
void WriteComments(const CommandContext& context);
void VisitWebsite(const CommandContext& context);
void ShowSourceCode(const CommandContext& context);
void ShowAbout(const CommandContext& context);

// A document's life: the question before its changes are dropped (true: go on), a new
// document without asking, a file opened (after the question), a save to a file, and the
// options dialog's Default.
bool MaybeSave(const CommandContext& context);
void StartNewDocument(const CommandContext& context);
void OpenFile(const CommandContext& context, const QString& fileName);
bool SaveTo(const CommandContext& context, const QString& fileName);
bool WriteDefaults(const CommandContext& context);
// The window's title: the document's caption with the modified mark's place.
QString WindowTitle(const CommandContext& context);
