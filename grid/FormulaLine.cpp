// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/FormulaLine.h"

#include "grid/FormulaEvaluator.h"

#include <algorithm>
#include <string_view>

namespace {
std::string LowerAscii(std::string text)
{
    for (char& ch : text)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return text;
}
} // namespace

TargetColumns::TargetColumns(const GridRow& header)
{
    // From the last column to the first, so that the first of equal names is kept.
    for (std::size_t column = header.size(); column-- > 0;)
        ByName[LowerAscii(header[column])] = static_cast<int>(column);
}

int TargetColumns::Find(const std::string& line, std::size_t equals) const
{
    const auto found = ByName.find(LowerAscii(equals > 4 ? line.substr(1, equals - 4) : std::string()));
    return found == ByName.end() ? -1 : found->second;
}

std::string AsOperand(const std::string& cell)
{
    if (cell.empty() || cell[0] != '-' || !ParseRealNumber(cell))
        return cell;
    return "(" + cell + ")";
}

std::vector<std::string> WithSheetConstants(const std::vector<std::string>& formulas)
{
    std::vector<std::pair<std::string, std::string>> constants; // "#Name" and its value
    for (const std::string& line : formulas) {
        const std::size_t equals = line.find('=');
        if (line.size() < 2 || line[0] != '#' || equals == std::string::npos || equals < 2 ||
            line.find_first_of("(#", 1) < equals)
            continue;
        if (const std::optional<std::string> value = EvaluateExpression(line.substr(equals + 1)))
            constants.emplace_back(line.substr(0, equals), AsOperand(*value));
    }
    if (constants.empty())
        return formulas;
    // Longer names first, so that #Tr is not read as #T followed by r.
    std::sort(constants.begin(), constants.end(),
              [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    std::vector<std::string> lines;
    for (const std::string& line : formulas) {
        if (std::any_of(constants.begin(), constants.end(), [&line](const auto& c) {
                return line.compare(0, c.first.size() + 1, c.first + "=") == 0;
            }))
            continue;
        std::string text;
        for (std::size_t i = 0; i < line.size();) {
            const auto constant = std::find_if(constants.begin(), constants.end(), [&](const auto& c) {
                const std::size_t end = i + c.first.size();
                return i > 0 && line.compare(i, c.first.size(), c.first) == 0 &&
                       (end == line.size() ||
                        std::string_view("+-*/^!) ").find(line[end]) != std::string_view::npos);
            });
            if (constant == constants.end()) {
                text += line[i++];
                continue;
            }
            text += constant->second;
            i += constant->first.size();
        }
        lines.push_back(std::move(text));
    }
    return lines;
}

const std::optional<std::string>& Evaluations::Of(const std::string& expression, long long& work)
{
    const auto known = Known.find(expression);
    if (known != Known.end())
        return known->second;
    // Each operator and group costs a number read and written as text, a microsecond or so.
    const auto steps = std::count_if(expression.begin(), expression.end(), [](char ch) {
        return ch == '!' || ch == '^' || ch == '*' || ch == '/' || ch == '+' || ch == '-' || ch == '(';
    });
    work += 40 + static_cast<long long>(expression.size()) / 4 + 12 * static_cast<long long>(steps);
    if (Known.size() > 100000)
        Known.clear();
    return Known.emplace(expression, EvaluateExpression(expression)).first->second;
}

void TryLine(const std::string& line, const GridRow& rowAtStart, const TargetColumns& targets,
             Evaluations& evaluations, std::vector<Write>& writes, long long& work)
{
    if (line.empty() || line[0] != '#')
        return;
    if (line.find('#', 1) != std::string::npos || line.find("(b)", 1) != std::string::npos)
        return;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return;
    const int target = targets.Find(line, equals);
    // A target written in another letter case than its column is never replaced; checking
    // the cell keeps such a formula from overwriting a value the pair began with.
    const auto column = static_cast<std::size_t>(target);
    if (target < 0 || (column < rowAtStart.size() && !rowAtStart[column].empty()))
        return;
    const std::optional<std::string>& value = evaluations.Of(line.substr(equals + 1), work);
    if (value)
        writes.push_back({column, *value});
}

bool Apply(GridRow& row, const std::vector<Write>& writes, std::size_t columnCount)
{
    for (const Write& write : writes) {
        if (row.size() <= write.Column)
            row.resize(columnCount);
        row[write.Column] = write.Value;
    }
    return !writes.empty();
}
