// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit-free grid library: formula evaluation and number format. The column rules and
// Calculate Grid are in tst_grid_columns.cpp.

#include "grid/FormulaEvaluator.h"
#include "grid/FormulaReading.h"
#include "grid/NumberFit.h"

#include <QtTest>

class TestEvaluator : public QObject
{
    Q_OBJECT

  private slots:
    void evaluates_expressions_data();
    void evaluates_expressions();
    void deeply_nested_groups_are_evaluated();
    void shows_how_a_formula_is_read_data();
    void shows_how_a_formula_is_read();
    void formats_numbers_data();
    void formats_numbers();
    void rounds_numbers_to_fit_data();
    void rounds_numbers_to_fit();
};

namespace {

// A null QString stands for a failed evaluation.
QString Outcome(const std::optional<std::string>& result)
{
    return result ? QString::fromStdString(*result) : QString();
}

} // namespace

void TestEvaluator::evaluates_expressions_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("expected");
    const QString fails;

    // Operator passes run "^", "*", "/", "+", "-", each from the left.
    QTest::newRow("times before plus") << "1+2*3"
                                       << "7";
    QTest::newRow("times before divide") << "8/2*4"
                                         << "1";
    QTest::newRow("plus before minus") << "10-2+3"
                                       << "5";
    QTest::newRow("power from the left") << "2^3^2"
                                         << "64";
    QTest::newRow("spaces ignored") << " 1 + 2 "
                                    << "3";
    QTest::newRow("leading minus") << "-5"
                                   << "-5";
    // A group's value is one operand, its sign included; run into other text it is that text.
    QTest::newRow("negative group") << "2*(0-3)"
                                    << "-6";
    QTest::newRow("negative group squared") << "(0-3)^2"
                                            << "9";
    QTest::newRow("groups on both sides") << "(1-4) * (2-3)"
                                          << "3";
    QTest::newRow("group before minus") << "(0-3)-1"
                                        << "-4";
    QTest::newRow("group run into digits") << "1(0-3)"
                                           << "-2";
    QTest::newRow("group then factorial") << "(2+3)!"
                                          << "120";
    QTest::newRow("fractional power") << "2^0.5"
                                      << "1.4142135623731";
    QTest::newRow("zero power") << "0^0"
                                << "1";
    QTest::newRow("power of zero") << "0^3"
                                   << "0";

    // Factorials on 32-bit whole numbers.
    QTest::newRow("factorial") << "5!"
                               << "120";
    QTest::newRow("factorial then times") << "5!*2"
                                          << "240";
    QTest::newRow("text after factorial dropped") << "3!2"
                                                  << "6";
    QTest::newRow("double factorial") << "3!!"
                                      << "720";
    QTest::newRow("zero factorial") << "0!"
                                    << "1";
    QTest::newRow("one factorial") << "1!"
                                   << "1";
    QTest::newRow("largest exact factorial") << "12!"
                                             << "479001600";
    QTest::newRow("factorial beyond 32 bits") << "13!" << fails;
    QTest::newRow("fractional factorial") << "2.5!" << fails;

    // A number with an exponent is one operand, the sign after its "E" included.
    QTest::newRow("negative exponent") << "5E-5*2"
                                       << "0.0001";
    QTest::newRow("exponent with plus") << "1.2E+20/2"
                                        << "6E19";
    QTest::newRow("lower-case e") << "1e-3+1"
                                  << "1.001";
    QTest::newRow("E notation fed back") << "(0.00001*1)*2"
                                         << "2E-5";
    QTest::newRow("the number format's own output") << "6.26315262050306E-5*2"
                                                    << "0.000125263052410061";
    QTest::newRow("E after no digits is no exponent") << "E-5" << fails;
    QTest::newRow("text after factorial still dropped") << "3!2E-5"
                                                        << "1";

    // Lone operands come back as they are, numbers without leading zeros.
    QTest::newRow("lone number") << "2.5"
                                 << "2.5";
    QTest::newRow("lone group") << "(5/4)"
                                << "1.25";
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("lone text") << "H2O"
                               << "0H2O";
    QTest::newRow("nested groups") << "(((2)))"
                                   << "2";

    // Failures.
    QTest::newRow("division by zero") << "1/0" << fails;
    QTest::newRow("zero by zero") << "0/0" << fails;
    QTest::newRow("unclosed group") << "(1+2" << fails;
    QTest::newRow("unclosed after group") << "(1)+(" << fails;
    QTest::newRow("stray close") << "1)+2" << fails;
    QTest::newRow("letters") << "a+1" << fails;
    QTest::newRow("unreplaced reference") << "#Mol(b)*2" << fails;
    QTest::newRow("overflowing power") << "10^5000" << fails;
    QTest::newRow("overflowing product") << "1E4000*1E4000" << fails;
    QTest::newRow("comma separator") << "1,5*2" << fails;
}

void TestEvaluator::evaluates_expressions()
{
    QFETCH(QString, expression);
    QFETCH(QString, expected);
    const QString result = Outcome(EvaluateExpression(expression.toStdString()));
    QCOMPARE(result.isNull(), expected.isNull());
    QCOMPARE(result, expected);
}

void TestEvaluator::deeply_nested_groups_are_evaluated()
{
    const int depth = int(MaxFormulaDepth);
    const auto nested = [](int levels) {
        return std::string(size_t(levels), '(') + "1+1" + std::string(size_t(levels), ')');
    };
    QCOMPARE(Outcome(EvaluateExpression(nested(depth))), QStringLiteral("2"));
    QVERIFY(!EvaluateExpression(std::string(size_t(depth), '(') + "1").has_value());
    // Deeper than any formula a person writes: a failure, at once.
    QVERIFY(!EvaluateExpression(nested(depth + 1)).has_value());
    QVERIFY(!EvaluateExpression(nested(1000000)).has_value());
}

void TestEvaluator::shows_how_a_formula_is_read_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("reading");
    QTest::newRow("times before divide") << "#Mass(a)/#Weight(a)*2"
                                         << "#Mass(a)/(#Weight(a)*2)";
    QTest::newRow("shipped mole formula") << "#Mol(b) * #Number(a) / #Number(b)"
                                          << "(#Mol(b)*#Number(a))/#Number(b)";
    QTest::newRow("plus before minus") << "1-2+3*4"
                                       << "1-(2+(3*4))";
    QTest::newRow("leading minus") << "-3^2"
                                   << "-(3^2)";
    QTest::newRow("own parentheses kept") << "((#Mol(b) * 5) + 1) / (#Mol(a))"
                                          << "((#Mol(b)*5)+1)/(#Mol(a))";
    QTest::newRow("exponent and factorial") << "5E-5*3!"
                                            << "5E-5*(3!)";
    QTest::newRow("unclosed group") << "2*(1+1"
                                    << "2*(1+1)";
}

void TestEvaluator::shows_how_a_formula_is_read()
{
    QFETCH(QString, expression);
    QFETCH(QString, reading);
    QCOMPARE(QString::fromStdString(ReadingOfExpression(expression.toStdString())), reading);
}

void TestEvaluator::formats_numbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("whole") << 8.0 << "8";
    QTest::newRow("negative fraction") << -2.5 << "-2.5";
    QTest::newRow("fifteen digits rounded") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("binary fraction tidied") << 0.1 + 0.2 << "0.3";
    // Switch to E notation above 15 integer digits and below 0.0001.
    QTest::newRow("fifteen integer digits") << 999999999999999.0 << "999999999999999";
    QTest::newRow("sixteen integer digits") << 1e15 << "1E15";
    QTest::newRow("rounds up to sixteen digits") << 999999999999999.9 << "1E15";
    QTest::newRow("large mantissa") << 1.5e20 << "1.5E20";
    QTest::newRow("large negative") << -123456789012345678.0 << "-1.23456789012346E17";
    QTest::newRow("smallest fixed") << 0.0001 << "0.0001";
    QTest::newRow("small fixed") << 0.00012345 << "0.00012345";
    QTest::newRow("negative exponent") << 0.00001 << "1E-5";
    QTest::newRow("small mantissa") << 1.5e-7 << "1.5E-7";
}

void TestEvaluator::formats_numbers()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(FormatGeneral(value)), expected);
}

void TestEvaluator::rounds_numbers_to_fit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("room"); // characters that fit
    QTest::addColumn<QString>("shown");

    QTest::newRow("fits as it is") << "0.623052959501558" << 17 << "0.623052959501558";
    QTest::newRow("rounded, not cut") << "0.623052959501558" << 6 << "0.6231";
    QTest::newRow("rounding carries") << "39.9999999" << 5 << "40";
    QTest::newRow("trailing zeros dropped") << "79.7009345794393" << 6 << "79.701";
    QTest::newRow("negative") << "-1.23456789" << 5 << "-1.23";
    QTest::newRow("whole number too wide") << "123456789" << 6 << "1.23E8";
    QTest::newRow("small value") << "6.26315262050306E-5" << 7 << "6.26E-5";
    QTest::newRow("typed with more digits than fifteen") << "0.30000000000000000004" << 10 << "0.3";
    QTest::newRow("not a number is left to the view") << "not a number at all" << 5 << "not a number at all";
    QTest::newRow("not even one digit fits") << "123456789" << 2 << "123456789";
}

void TestEvaluator::rounds_numbers_to_fit()
{
    QFETCH(QString, text);
    QFETCH(int, room);
    QFETCH(QString, shown);
    const auto fits = [room](const std::string& candidate) { return int(candidate.size()) <= room; };
    QCOMPARE(QString::fromStdString(FitNumberText(text.toStdString(), fits)), shown);
}

QTEST_GUILESS_MAIN(TestEvaluator)
#include "tst_evaluator.moc"
