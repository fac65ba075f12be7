// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// The core passes lists of text around; the tests compare them joined into one string.
inline QString Joined(const std::vector<std::string>& items, const char* separator = "|")
{
    QStringList list;
    for (const std::string& item : items)
        list << QString::fromStdString(item);
    return list.join(QLatin1String(separator));
}

inline QString Joined(const std::vector<long long>& numbers)
{
    QStringList list;
    for (long long n : numbers)
        list << QString::number(n);
    return list.join(QLatin1Char(','));
}

// The reverse of Joined; an empty text is an empty list.
inline std::vector<std::string> Split(const QString& text, char separator)
{
    std::vector<std::string> items;
    if (text.isEmpty())
        return items;
    for (const QString& item : text.split(QLatin1Char(separator)))
        items.push_back(item.toStdString());
    return items;
}
