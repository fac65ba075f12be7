// SPDX-License-Identifier: GPL-3.0-or-later
// The textbook corpus, each balanced reaction checked against coefficients worked out here
// with a small formula reader and an integer null-space computation of the test's own, which
// balances charge as one more row.

#include "core/Balance.h"
#include "core/NotationWriters.h"
#include "core/TextbookNotation.h"

#include <QFile>
#include <QTest>

#include <map>
#include <numeric>

class TestCorpus : public QObject
{
    Q_OBJECT

  private slots:
    void corpus_data();
    void corpus();
};

namespace {

using Counts = std::map<std::string, long long>;

// Element counts of a textbook formula: symbols, counts and nested groups, up to a charge or
// the next substance.
Counts ReadFormula(const std::string& text, size_t& i)
{
    Counts counts;
    auto number = [&]() {
        long long n = 0;
        bool any = false;
        while (i < text.size() && isdigit(static_cast<unsigned char>(text[i]))) {
            n = n * 10 + (text[i++] - '0');
            any = true;
        }
        return any ? n : 1;
    };
    while (i < text.size() && text[i] != ')' && text[i] != '^' && text[i] != '+') {
        if (text[i] == '(') {
            ++i;
            Counts inner = ReadFormula(text, i);
            ++i; // ")"
            long long n = number();
            for (const auto& [symbol, count] : inner)
                counts[symbol] += count * n;
        } else {
            size_t start = i++;
            while (i < text.size() && islower(static_cast<unsigned char>(text[i])))
                ++i;
            std::string symbol = text.substr(start, i - start);
            counts[symbol] += number();
        }
    }
    return counts;
}

// Independent solution: the integer null space of the element matrix. Returns its dimension
// and, when it is 1, the smallest whole-number vector with its first nonzero entry positive.
int NullSpace(const QString& reaction, std::vector<long long>& solution)
{
    QStringList sides = reaction.split('>');
    std::vector<Counts> substances;
    int reactants = 0;
    for (int side = 0; side < 2; ++side) {
        const std::string text = sides[side].toStdString();
        for (size_t i = 0; i <= text.size(); ++i) { // each formula, then the "+" after it
            Counts counts = ReadFormula(text, i);
            if (i < text.size() && text[i] == '^') { // ^, a count (1 when none), a sign
                long long n = 0;
                while (++i < text.size() && isdigit(static_cast<unsigned char>(text[i])))
                    n = n * 10 + (text[i] - '0');
                counts["charge"] = (text[i] == '-' ? -1 : 1) * std::max(n, 1LL);
                ++i;
                if (counts.size() == 2 && counts.count("e") == 1 && counts["e"] == 1)
                    counts.erase("e"); // the electron
            }
            substances.push_back(counts);
            if (side == 0)
                ++reactants;
        }
    }
    std::map<std::string, size_t> elementRow;
    for (const Counts& c : substances)
        for (const auto& entry : c)
            elementRow.emplace(entry.first, elementRow.size());
    const size_t columns = substances.size();
    std::vector<std::vector<__int128>> m(elementRow.size(), std::vector<__int128>(columns, 0));
    for (size_t k = 0; k < columns; ++k)
        for (const auto& [symbol, count] : substances[k])
            m[elementRow[symbol]][k] = int(k) < reactants ? count : -count;

    auto gcd = [](__int128 a, __int128 b) {
        a = a < 0 ? -a : a;
        b = b < 0 ? -b : b;
        while (b != 0) {
            __int128 r = a % b;
            a = b;
            b = r;
        }
        return a;
    };
    // Integer Gauss-Jordan: rows kept primitive, so the numbers stay small.
    std::vector<size_t> pivots;
    size_t row = 0;
    for (size_t col = 0; col < columns && row < m.size(); ++col) {
        size_t r = row;
        while (r < m.size() && m[r][col] == 0)
            ++r;
        if (r == m.size())
            continue;
        std::swap(m[row], m[r]);
        for (size_t other = 0; other < m.size(); ++other) {
            if (other == row || m[other][col] == 0)
                continue;
            __int128 a = m[row][col], b = m[other][col], g = 0;
            for (size_t c = 0; c < columns; ++c) {
                m[other][c] = m[other][c] * a - m[row][c] * b;
                g = gcd(g, m[other][c]);
            }
            for (size_t c = 0; g > 1 && c < columns; ++c)
                m[other][c] /= g;
        }
        pivots.push_back(col);
        ++row;
    }
    int dimension = int(columns - pivots.size());
    if (dimension != 1)
        return dimension;
    size_t freeColumn = 0;
    while (std::find(pivots.begin(), pivots.end(), freeColumn) != pivots.end())
        ++freeColumn;
    // Pivot row r: p x_pivot + q x_free = 0. Take x_free = lcm of the pivots.
    __int128 scale = 1;
    for (size_t r = 0; r < pivots.size(); ++r) {
        __int128 p = m[r][pivots[r]] < 0 ? -m[r][pivots[r]] : m[r][pivots[r]];
        scale = scale / gcd(scale, p) * p;
    }
    std::vector<__int128> x(columns, 0);
    x[freeColumn] = scale;
    for (size_t r = 0; r < pivots.size(); ++r)
        x[pivots[r]] = -m[r][freeColumn] * scale / m[r][pivots[r]];
    __int128 g = 0;
    for (__int128 v : x)
        g = gcd(g, v);
    __int128 sign = 1;
    for (__int128 v : x)
        if (v != 0) {
            sign = v < 0 ? -1 : 1;
            break;
        }
    solution.clear();
    for (__int128 v : x)
        solution.push_back(static_cast<long long>(v / g * sign));
    return 1;
}

} // namespace

void TestCorpus::corpus_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reaction");
    QFile file(QStringLiteral(STOIKON_CORPUS_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int balanced = 0;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        QString kind = line.section(' ', 0, 0);
        QString reaction = line.section(' ', 1);
        balanced += kind == "balanced";
        QTest::newRow(qPrintable(reaction)) << kind << reaction;
    }
    QVERIFY2(balanced >= 150, "the corpus holds at least 150 balanced reactions");
}

void TestCorpus::corpus()
{
    QFETCH(QString, kind);
    QFETCH(QString, reaction);
    BalanceOutcome outcome = BalanceReaction(reaction.toStdString(), true);
    if (kind == "invalid") {
        QCOMPARE(outcome.status, BalanceOutcome::Status::InvalidReaction);
        return;
    }
    std::vector<long long> expected;
    int dimension = NullSpace(reaction, expected);
    if (kind == "cannot") {
        QVERIFY2(dimension != 1, "the corpus row has exactly one balanced form");
        QCOMPARE(outcome.status, BalanceOutcome::Status::CannotBalance);
        return;
    }
    QCOMPARE(dimension, 1);
    QCOMPARE(outcome.status, BalanceOutcome::Status::Balanced);
    QCOMPARE(outcome.Coefficients, expected);
    BalanceOutcome again = BalanceReaction(outcome.BalancedText, true);
    QCOMPARE(again.BalancedText, outcome.BalancedText);
    // Written out as a textbook would write it and read back, it balances the same way.
    const NotationReading unicode = ReadReactionLine(ReactionAsUnicode(outcome.BalancedText), KeyOptions());
    QVERIFY(unicode.Textbook);
    QCOMPARE(BalanceReaction(unicode.Text, true).BalancedText, outcome.BalancedText);
}

QTEST_GUILESS_MAIN(TestCorpus)
#include "tst_corpus.moc"
