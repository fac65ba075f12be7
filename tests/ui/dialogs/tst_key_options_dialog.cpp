// SPDX-License-Identifier: GPL-3.0-or-later
// The key options: kept in the settings between runs, and their dialog.

#include "tests/ui/reactionline/LineTest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <QTimer>

class TestKeyOptionsDialog : public QObject
{
    Q_OBJECT

  private slots:
    void key_options_are_read_from_the_settings_data();
    void key_options_are_read_from_the_settings();
    void key_options_changed_in_one_run_hold_at_the_next_start();
    void the_key_options_dialog_opens_in_the_program_font_centred();
    void the_key_options_dialog_follows_the_language();
};

void TestKeyOptionsDialog::key_options_are_read_from_the_settings_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QStringList>("expectedSets"); // KP, KOP, KCP, KF
    QTest::addColumn<bool>("expectedAutoCase");
    const QStringList defaults{"+=", "([", ")]", " >."};
    QTest::newRow("first run keeps the defaults") << QVariantMap() << defaults << true;
    QTest::newRow("every value")
        << QVariantMap{{"KP", "a"}, {"KOP", "b"}, {"KCP", "c"}, {"ChB", 0}, {"KF", "d"}}
        << QStringList{"a", "b", "c", "d"} << false;
    QTest::newRow("missing ChB stays on and KF is still read")
        << QVariantMap{{"KP", "a"}, {"KOP", "b"}, {"KCP", "c"}, {"KF", "d"}}
        << QStringList{"a", "b", "c", "d"} << true;
    QTest::newRow("unreadable ChB stays on and KF is still read")
        << QVariantMap{{"KP", "a"}, {"KOP", "b"}, {"KCP", "c"}, {"ChB", "yes"}, {"KF", "d"}}
        << QStringList{"a", "b", "c", "d"} << true;
    QTest::newRow("missing texts of an existing key read as empty")
        << QVariantMap{{"Width", 700}} << QStringList{"", "", "", ""} << true;
}

void TestKeyOptionsDialog::key_options_are_read_from_the_settings()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QStringList, expectedSets);
    QFETCH(bool, expectedAutoCase);
    TestSettings settings;
    {
        QSettings registry("Velk", "ST1");
        for (auto it = stored.begin(); it != stored.end(); ++it)
            registry.setValue(it.key(), it.value());
    }
    const KeyOptions keys = Settings::load().Keys;
    for (int i = 0; i < 4; ++i)
        QCOMPARE(QString::fromStdString(
                     std::vector{keys.PlusKeys, keys.OpenKeys, keys.CloseKeys, keys.ArrowKeys}[i]),
                 expectedSets[i]);
    QCOMPARE(keys.AutoCase, expectedAutoCase);
}

void TestKeyOptionsDialog::key_options_changed_in_one_run_hold_at_the_next_start()
{
    TestSettings settings;
    {
        WindowFixture first;
        SetKeySets(first, {"+=k", "(", ")", ">"}, false);
    }
    QCOMPARE(QSettings("Velk", "ST1").value("ChB").toInt(), 0);
    WindowFixture second;
    QCOMPARE(second.Line()->keyOptions().PlusKeys, std::string("+=k"));
    QCOMPARE(second.Line()->keyOptions().ArrowKeys, std::string(">"));
    QVERIFY(!second.Line()->keyOptions().AutoCase);
    Type(second, "nacl k [h2o");
    QCOMPARE(Text(second), QStringLiteral("nacl+h2o"));
}

void TestKeyOptionsDialog::the_key_options_dialog_opens_in_the_program_font_centred()
{
    TestSettings settings;
    WindowFixture w;
    w.EditFonts([&](FontSettings& f) {
        f.ProgramFont = FontSpec{"DejaVu Sans", 11, true, false, ClWindowText};
    });
    QFont shownFont;
    QPoint shownCentre;
    QTimer::singleShot(0, w.Window, [&] {
        shownFont = w.Find<KeyOptionsDialog>("keyOptionsDialog")->font();
        shownCentre = w.Find<KeyOptionsDialog>("keyOptionsDialog")->geometry().center();
        w.Find<KeyOptionsDialog>("keyOptionsDialog")->reject();
    });
    w.Action("keyOptions")->trigger();
    QCOMPARE(shownFont, w->desktop().programFont());
    const QPoint screenCentre = w->screen()->availableGeometry().center();
    QVERIFY((shownCentre - screenCentre).manhattanLength() <= 6); // the frame may shift it a little
    // 175 x 145, wider where the font needs more room for the check box's caption.
    const KeyOptionsDialog* keys = w.Find<KeyOptionsDialog>("keyOptionsDialog");
    QCOMPARE(keys->height(), 145);
    QVERIFY(keys->width() > 175); // 11 points, bold
    QVERIFY(keys->autoCase->width() >= keys->autoCase->sizeHint().width() &&
            keys->autoCase->geometry().right() < keys->width());
    QCOMPARE(keys->plusKeys->geometry().right(), keys->width() - 7);
    QCOMPARE(w.Find<KeyOptionsDialog>("keyOptionsDialog")->minimumSize(),
             w.Find<KeyOptionsDialog>("keyOptionsDialog")->maximumSize());
    bool arrowShown = false;
    for (QLabel* label : w.Find<KeyOptionsDialog>("keyOptionsDialog")->findChildren<QLabel*>())
        arrowShown = arrowShown || !label->pixmap().isNull();
    QVERIFY(arrowShown);
}

void TestKeyOptionsDialog::the_key_options_dialog_follows_the_language()
{
    TestSettings settings;
    WindowFixture w;
    w->languageSwitch().switchTo(Language::Farsi);
    QCOMPARE(w.Find<KeyOptionsDialog>("keyOptionsDialog")->windowTitle(),
             QString::fromUtf8("تنظیمات کلیدها"));
    QCOMPARE(w.Find<KeyOptionsDialog>("keyOptionsDialog")->autoCase->text(),
             QString::fromUtf8("تشخیص اتوماتیک عناصر"));
    w->languageSwitch().switchTo(Language::English);
    QCOMPARE(w.Find<KeyOptionsDialog>("keyOptionsDialog")->windowTitle(), QStringLiteral("Key Options"));
}

QTEST_MAIN(TestKeyOptionsDialog)
#include "tst_key_options_dialog.moc"
