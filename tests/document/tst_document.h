// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/DocumentFile.h"
#include "tests/common/ExampleDocument.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <string>
#include <vector>

// Document lines and the HTML page, one test class split over a source file per area.
class DocumentTest : public QObject
{
    Q_OBJECT

  private slots:
    // Lines, round trips and the splitting rule
    void exampleReadsAndWritesBackByteForByte();
    void richDocumentRoundTrips();
    void writerKeepsColumnCountInEveryRow();
    void splitsLines_data();
    void splitsLines();
    void splitsFields_data();
    void splitsFields();
    void parsesWholeNumbers_data();
    void parsesWholeNumbers();
    void parsesFontLines_data();
    void parsesFontLines();
    void readsLanguageLetter_data();
    void readsLanguageLetter();

    // Bad files, the lenient defaults reading and captions
    void refusesBadFiles_data();
    void refusesBadFiles();
    void formulasMayReachTheLastLine();
    void readsDefaultsUpToFirstBadLine_data();
    void readsDefaultsUpToFirstBadLine();
    void readsAllDefaultsOfAGoodFile();
    void captionsFromPaths_data();
    void captionsFromPaths();

    // The HTML page
    void buildsExamplePage();
    void mapsPointsToHtmlSizes_data();
    void mapsPointsToHtmlSizes();
    void marksCoefficientsAndSubscripts_data();
    void marksCoefficientsAndSubscripts();
    void writesFontTags_data();
    void writesFontTags();
    void writesTableCellsEscaped();
    void aFarsiPageKeepsTheChargeAtTheEndOfAFormula();
};

inline const std::vector<std::string>& ExampleLines = ExampleDocumentLines();

inline QByteArray Text(const std::vector<std::string>& lines)
{
    return QByteArray::fromStdString(JoinDocumentLines(lines));
}

inline std::vector<std::string> Lines(const QByteArray& text)
{
    return SplitDocumentLines(text.toStdString());
}

inline QStringList ToList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items)
        list << QString::fromStdString(item);
    return list;
}
