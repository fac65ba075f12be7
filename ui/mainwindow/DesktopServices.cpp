// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/mainwindow/DesktopServices.h"

#include "document/DefaultsLocation.h"
#include "document/Paths.h"
#include "document/WorkedOutRecord.h"
#include "model/DocumentModel.h"
#include "model/FilePath.h"
#include "render/FontConvert.h"
#include "texts/Texts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QUrl>

DesktopServices::DesktopServices(DocumentModel* document, QWidget* window)
    : Document(document), Window(window)
{
}

int DesktopServices::message(const LocalText& text, MessageKind kind, int buttons) const
{
    return message(QString::fromUtf8(text.In(Document->language())), kind, buttons);
}

int DesktopServices::message(const QString& text, MessageKind kind, int buttons) const
{
    return message(MessageRequest{text, kind, buttons});
}

int DesktopServices::message(MessageRequest request) const
{
    request.Lang = Document->language();
    return ShowMessageBox(request, programFont(), Window);
}

QFont DesktopServices::programFont() const
{
    return ToQFont(Document->fonts().ProgramFont);
}

QString DesktopServices::askFileName(FileDialogKind kind, const QString& title, const QString& filter,
                                     const QString& suggested, QString* chosenFilter) const
{
    if (Dialog)
        return Dialog(kind, title, filter, suggested);
    // The program asks about replacing a file itself, after adding the extension.
    const QFileDialog::Options options = QFileDialog::DontConfirmOverwrite;
    if (kind == FileDialogKind::Open)
        return QFileDialog::getOpenFileName(Window, title, suggested, filter, nullptr, options);
    return QFileDialog::getSaveFileName(Window, title, suggested, filter, chosenFilter, options);
}

bool DesktopServices::askPrinter(QPrinter& printer) const
{
    if (PrintDialog)
        return PrintDialog(printer);
    QPrintDialog dialog(&printer, Window);
    return dialog.exec() == QDialog::Accepted;
}

QString DesktopServices::askSaveFileName(const QString& title, const QString& filter,
                                         const QString& extension, const QString& suggested) const
{
    for (;;) {
        QString chosenFilter;
        QString name = askFileName(FileDialogKind::Save, title, filter, suggested, &chosenFilter);
        if (name.isEmpty())
            return QString();
        // The filter chosen in the dialog ("Bitmaps (*.bmp)") gives its extension.
        static const QRegularExpression filterExtension(QStringLiteral("\\(\\*(\\.\\w+)\\)$"));
        const QRegularExpressionMatch chosen = filterExtension.match(chosenFilter);
        if (QFileInfo(name).suffix().isEmpty())
            name += chosen.hasMatch() ? chosen.captured(1) : extension;
        if (PathExists(PathBytes(name)) &&
            message(name + QString::fromUtf8(Texts::MsgAlreadyExists.In(Document->language())),
                    MessageKind::Warning, ButtonYes | ButtonNo) != AnswerYes)
            continue;
        return name;
    }
}

void DesktopServices::openAddress(const QString& target) const
{
    // A guide left out of the installation, or no program to open the address with (the
    // desktop's opener comes with xdg-utils), is said instead of passing in silence.
    const QUrl url(target);
    const auto openOnDesktop = [&url] {
        return (!url.isLocalFile() || QFileInfo::exists(url.toLocalFile())) && QDesktopServices::openUrl(url);
    };
    if (!(Opener ? Opener(target) : openOnDesktop()))
        message(QString::fromUtf8(Texts::MsgCannotOpenAddress.In(Document->language())) + '\r' +
                    (url.isLocalFile() ? url.toLocalFile() : target),
                MessageKind::Error, ButtonOk);
}

QString DesktopServices::defaultsFile(Language lang) const
{
    const QString name = QString::fromLatin1(LanguageRowOf(lang).DefaultsFile);
    return DefaultsFolder.isEmpty() ? PathFromBytes(FindDefaultsFile(PathBytes(name)))
                                    : QDir(DefaultsFolder).filePath(name);
}

QString DesktopServices::defaultsWriteFolder() const
{
    return DefaultsFolder.isEmpty() ? PathFromBytes(DefaultsWriteFolder()) : DefaultsFolder;
}

QString DesktopServices::marksFolder() const
{
    return MarksFolder.isEmpty() ? PathFromBytes(WorkedOutRecordFolder()) : MarksFolder;
}
