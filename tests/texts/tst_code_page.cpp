// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1256 code page of documents.

#include "core/ReactionText.h"
#include "texts/CodePage.h"

#include <QStringDecoder>
#include <QTest>

class TestCodePage : public QObject
{
    Q_OBJECT

  private slots:
    void keepCodePageText_data();
    void keepCodePageText();
    void codePageDecodesEveryByteAndEncodesItBack();
};

void TestCodePage::keepCodePageText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    QTest::newRow("Greek delta and the minus sign go, the degree stays")
        << QString::fromUtf8("ΔH°=−286") << QString::fromUtf8("H°=286");
    QTest::newRow("Arabic letters with keheh and gaf")
        << QString::fromUtf8("مايع کگ") << QString::fromUtf8("مايع کگ");
    QTest::newRow("a Farsi keyboard's yeh stays, saved as the Arabic yeh")
        << QString::fromUtf8("ی") << QString::fromUtf8("ی");
    QTest::newRow("French e acute stays, a acute goes") << QString::fromUtf8("éá") << QString::fromUtf8("é");
    QTest::newRow("CJK and an emoji go") << QString::fromUtf8("a水😀b") << "ab";
    QTest::newRow("ASCII with controls stays")
        << QString::fromUtf8("1.5E-5\t,") << QString::fromUtf8("1.5E-5\t,");
}

void TestCodePage::keepCodePageText()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QCOMPARE(QString::fromStdString(KeepCodePageText(typed.toStdString())), kept);
    // What is kept is exactly what a save stores without a "?".
    QVERIFY(EncodeCodePage(kept.toStdString()).find('?') == std::string::npos);
}

void TestCodePage::codePageDecodesEveryByteAndEncodesItBack()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += char(b);
    const std::string text = DecodeCodePage(bytes);
    QCOMPARE(EncodeCodePage(text), bytes);
    QCOMPARE(DecodeUtf8(text).size(), size_t(256));
    // The system's converter, where it has the code page, reads every byte the same way.
    QStringDecoder system("windows-1256");
    if (system.isValid())
        QCOMPARE(QString::fromStdString(text), QString(system.decode(QByteArray::fromStdString(bytes))));
    // The Persian yeh is stored as the Arabic yeh, the Persian keheh as its own byte.
    QCOMPARE(EncodeCodePage("\u06cc\u06a9\u0394"), std::string("\xed\x98?"));
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "tst_code_page.moc"
