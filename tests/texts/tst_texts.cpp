// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of the program in both languages.

#include "texts/CodePage.h"
#include "texts/Texts.h"

#include <QTest>

#include <algorithm>

class TestTexts : public QObject
{
    Q_OBJECT

  private slots:
    void every_farsi_text_is_persian_and_fits_the_code_page();
};

void TestTexts::every_farsi_text_is_persian_and_fits_the_code_page()
{
    const std::vector<const LocalText*>& shownOnly = ShownOnlyTexts();
    QVERIFY(AllTexts().size() - shownOnly.size() > 100);
    for (const LocalText* text : AllTexts()) {
        // Persian yeh and keheh: a Persian keyboard types them, and the Arabic ones show
        // dotted final yehs and are not found by a search typed in Persian.
        const QString farsi = QString::fromUtf8(text->In(Language::Farsi));
        QVERIFY2(!farsi.contains(QChar(0x064A)) && !farsi.contains(QChar(0x0643)), qPrintable(farsi));
        // Texts that may end up in documents and pages fit the code page; the reasons
        // Balance gives are only shown, so they may hold subscripts and arrows.
        const bool stored = std::find(shownOnly.begin(), shownOnly.end(), text) == shownOnly.end();
        for (char32_t ch : farsi.toUcs4())
            QVERIFY2(!stored || CodePageHolds(ch), qPrintable(farsi));
    }
}

QTEST_GUILESS_MAIN(TestTexts)
#include "tst_texts.moc"
