// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of document lines share: the example document, and lines as text and back.

#include "document/DocumentFile.h"
#include "tests/common/ExampleDocument.h"

#include <QByteArray>
#include <QStringList>

#include <string>
#include <vector>

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
