// SPDX-License-Identifier: GPL-3.0-or-later
// A reaction as a screen reader speaks it, in both languages.

#include "texts/SpokenReaction.h"

#include <QTest>

class TestSpokenReaction : public QObject
{
    Q_OBJECT

  private slots:
    void reactions_are_spoken_word_by_word_data();
    void reactions_are_spoken_word_by_word();
};

void TestSpokenReaction::reactions_are_spoken_word_by_word_data()
{
    QTest::addColumn<QString>("reaction");
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("balanced") << "2H2+O2>2H2O" << false << "2 H 2 plus O 2 yields 2 H 2 O";
    QTest::newRow("numbers of several digits") << "C12H22O11+12O2" << false << "C 12 H 22 O 11 plus 12 O 2";
    QTest::newRow("brackets") << "Ca(OH)2" << false << "Ca open bracket O H close bracket 2";
    QTest::newRow("lower case as typed") << "co2" << false << "co 2";
    // A charge's sign is no separator; the electron is one word, with its number.
    QTest::newRow("ions")
        << "MnO4^-+8H^++5Fe^2+>Mn^2+" << false
        << "Mn O 4 charge minus plus 8 H charge plus plus 5 Fe charge 2 plus yields Mn charge 2 plus";
    QTest::newRow("ions, Farsi") << "H^++Fe^2+" << true
                                 << "H بار مثبت به‌اضافه Fe بار 2 مثبت";
    QTest::newRow("electrons") << "Cu>Cu^2++2e^-" << false << "Cu yields Cu charge 2 plus plus 2 electrons";
    QTest::newRow("one electron") << "Ag^++e^->Ag" << false << "Ag charge plus plus electron yields Ag";
    QTest::newRow("e of a symbol") << "Fe+He" << false << "Fe plus He";
    QTest::newRow("count written negative") << "H-2" << false << "H minus 2";
    QTest::newRow("empty") << "" << false << "";
}

void TestSpokenReaction::reactions_are_spoken_word_by_word()
{
    QFETCH(QString, reaction);
    QFETCH(bool, farsi);
    QFETCH(QString, spoken);
    const std::string text = reaction.toStdString();
    const Language lang = farsi ? Language::Farsi : Language::English;
    QCOMPARE(QString::fromStdString(SpokenReaction(text, lang)), spoken);
    // A piece a character, so that a caret between characters has its place in the speech.
    QCOMPARE(SpokenPieces(text, lang).size(), text.size());
}

QTEST_GUILESS_MAIN(TestSpokenReaction)
#include "tst_spoken_reaction.moc"
