// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/FormulaReading.h"

#include "grid/FormulaEvaluator.h"

#include <algorithm>
#include <vector>

namespace {

struct Part
{
    std::string Text;
    char Op = 0;           // 0 for an operand
    bool Compound = false; // an operation in parentheses of its own
};

bool IsOperator(char ch)
{
    return ch == '!' || ch == '^' || ch == '*' || ch == '/' || ch == '+' || ch == '-';
}

std::string Bare(const Part& part)
{
    return part.Compound ? part.Text.substr(1, part.Text.size() - 2) : part.Text;
}

// The operator passes over one level, as the evaluator runs them.
std::string ReadLevel(std::vector<Part> parts)
{
    for (char op : {'!', '^', '*', '/', '+', '-'}) {
        std::vector<Part> out;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (parts[i].Op != op || out.empty()) {
                out.push_back(std::move(parts[i]));
                continue;
            }
            // Text after a "!" is dropped with the operand it stands in.
            const std::string right = op == '!' ? std::string() : parts[i + 1].Text;
            out.back() = {"(" + out.back().Text + op + right + ")", 0, true};
            ++i;
        }
        parts = std::move(out);
    }
    return parts.empty() ? std::string() : Bare(parts.front());
}

// One level, from i up to its ")" (consumed) or the end of the text.
std::string Read(const std::string& text, std::size_t& i, std::size_t depth)
{
    std::vector<Part> parts;
    std::string current;
    const auto endOperand = [&] {
        parts.push_back({current, 0, false});
        current.clear();
    };
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == ' ') {
            ++i;
        } else if (ch == '#') {
            const std::size_t end = std::min(text.find("(a)", i), text.find("(b)", i));
            const std::size_t next = end == std::string::npos ? i + 1 : end + 3;
            current.append(text, i, next - i);
            i = next;
        } else if (ch == '(' && depth < MaxFormulaDepth) {
            ++i;
            current += "(" + Read(text, i, depth + 1) + ")";
        } else if (ch == ')' && depth > 0) {
            ++i;
            break;
        } else if ((ch == '-' || ch == '+') && AwaitsExponentSign("0" + current)) {
            current += ch;
            ++i;
        } else if (IsOperator(ch)) {
            endOperand();
            parts.push_back({std::string(1, ch), ch});
            ++i;
        } else {
            current += ch;
            ++i;
        }
    }
    endOperand();
    return ReadLevel(std::move(parts));
}

} // namespace

std::string ReadingOfExpression(const std::string& expression)
{
    // A ")" with no "(" before it is an ordinary character, as for the evaluator.
    std::size_t i = 0;
    return Read(expression, i, 0);
}
