// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window's commands ask of the desktop: a message in the document's language, a
// file name from a dialog, an address opened, and the folders of the defaults files and of
// the records of worked-out cells. Tests replace the dialogs, the opener and the folders.

#include "texts/Language.h"
#include "ui/dialogs/MessageBox.h"

#include <QString>

#include <functional>

class DocumentModel;
class QPrinter;
class QWidget;

enum class FileDialogKind
{
    Open,
    Save
};

class DesktopServices
{
  public:
    DesktopServices(DocumentModel* document, QWidget* window);

    // The message box, with the program font, in the document's language.
    int message(const LocalText& text, MessageKind kind, int buttons) const;
    int message(const QString& text, MessageKind kind, int buttons) const;
    int message(MessageRequest request) const; // its language is the document's
    QFont programFont() const;

    // The file dialog, offering suggested (a name, or a path) when given; chosenFilter, when
    // given, receives the filter the user chose.
    QString askFileName(FileDialogKind kind, const QString& title, const QString& filter,
                        const QString& suggested = QString(), QString* chosenFilter = nullptr) const;
    // The save dialog with the extension rule (the chosen filter's, or extension, added to a
    // name without one) and the question before a file is replaced, whose No asks again.
    // Empty when cancelled.
    QString askSaveFileName(const QString& title, const QString& filter, const QString& extension,
                            const QString& suggested) const;
    // The print dialog: false when cancelled.
    bool askPrinter(QPrinter& printer) const;
    // A web page, a mail address or the installed user guide; what cannot be opened is said.
    void openAddress(const QString& target) const;

    // Where New reads the defaults of a language, and where Default writes them.
    QString defaultsFile(Language lang) const;
    QString defaultsWriteFolder() const;
    QString marksFolder() const;

    using FileDialog = std::function<QString(FileDialogKind, const QString& title, const QString& filter,
                                             const QString& suggested)>;
    void setFileDialog(FileDialog dialog) { Dialog = std::move(dialog); }
    void setPrintDialog(std::function<bool(QPrinter&)> dialog) { PrintDialog = std::move(dialog); }
    void setAddressOpener(std::function<bool(const QString& address)> opener) { Opener = std::move(opener); }
    void setDefaultsFolder(const QString& folder) { DefaultsFolder = folder; }
    void setMarksFolder(const QString& folder) { MarksFolder = folder; }

  private:
    DocumentModel* Document;
    QWidget* Window;
    FileDialog Dialog;
    std::function<bool(QPrinter&)> PrintDialog;
    std::function<bool(const QString& address)> Opener;
    QString DefaultsFolder; // empty: the usual places
    QString MarksFolder;    // empty: the user's data folder
};
