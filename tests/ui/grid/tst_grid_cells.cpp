// SPDX-License-Identifier: GPL-3.0-or-later
// The program's purpose through the real window: the cell checks and how cells are shown.

#include "grid/FormulaEvaluator.h"
#include "tests/common/GridHelpers.h"
#include "ui/grid/GridView.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStyle>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>

class TestGridCells : public WindowTest
{
    Q_OBJECT

  private slots:
    void cells_take_only_the_keys_of_their_column_type_data();
    void cells_take_only_the_keys_of_their_column_type();
    void a_number_that_does_not_convert_is_reported_and_kept();
    void clearing_a_numeric_cell_only_marks_the_document();
    void dragging_the_line_under_a_row_resizes_the_row();
    void a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole_data();
    void a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole();
    void headers_start_at_the_reading_side_data();
    void headers_start_at_the_reading_side();
};

void TestGridCells::cells_take_only_the_keys_of_their_column_type_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell");

    QTest::newRow("integer drops the point") << "1"
                                             << "12.5"
                                             << "125";
    QTest::newRow("real keeps the point") << "2"
                                          << "12.5"
                                          << "12.5";
    QTest::newRow("substance number drops letters") << "3"
                                                    << "2x"
                                                    << "2";
    QTest::newRow("atomic weight drops letters") << "4"
                                                 << "a18.0b1"
                                                 << "18.01";
    // A comma separates the cells in the file; Farsi's own comma is kept.
    QTest::newRow("text takes everything but the comma")
        << "0" << QString::fromUtf8("a<b, c،d") << QString::fromUtf8("a<b c،d");
    QTest::newRow("formula takes everything") << "5"
                                              << "Fe2(SO4)3"
                                              << "Fe2(SO4)3";
    // A document stores Windows-1256: the minus sign and the Greek delta would be lost.
    QTest::newRow("text drops what a document cannot store")
        << "0" << QString::fromUtf8("\u0394H\u00b0=\u2212286 \u06a9\u06cc")
        << QString::fromUtf8("H\u00b0=286 \u06a9\u06cc");
}

void TestGridCells::cells_take_only_the_keys_of_their_column_type()
{
    QFETCH(QString, type);
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    MessageRecorder messages;
    WindowFixture w;
    SetColumns(w, {"Item"}, {type.toStdString()});
    TypeIntoGrid(w, typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(10); // the editor's text is committed after the key
    QCOMPARE(w.Grid()->cell(0, 1), cell);
    QVERIFY(w->document()->isModified());
    if (type == "0") { // pasted text goes through the same rule
        TypeIntoGrid(w, "x");
        QApplication::clipboard()->setText(typed);
        qobject_cast<QLineEdit*>(QApplication::focusWidget())->paste();
        QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->text(), "x" + cell);
    }
}

void TestGridCells::a_number_that_does_not_convert_is_reported_and_kept()
{
    WindowFixture w;
    SetColumns(w, {"Mol"}, {"2"});
    // The real box over the window, closed with Enter as a user would.
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text() + (box->icon() == QMessageBox::Critical ? " (error)" : "");
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    closer.start(10);
    TypeIntoGrid(w, "1.2.");
    QTRY_COMPARE(shown, QStringList{"Invalid number (error)"});
    // The window is active again (the window manager's part) and the editor still open with
    // the text as typed: the user goes on typing.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString("1.2."));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::qWait(10);
    QCOMPARE(w.Grid()->cell(0, 1), QString("1.2"));
    QCOMPARE(shown.size(), 1);
}

void TestGridCells::clearing_a_numeric_cell_only_marks_the_document()
{
    MessageRecorder messages;
    WindowFixture w;
    SetColumns(w, {"Mol"}, {"2"});
    w->document()->setCell(0, 1, "2.5");
    w.MarkSaved();
    TypeIntoGrid(w, "1"); // the editor opens with the key, then is emptied
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTest::qWait(10);
    QVERIFY(messages.Shown.empty());
    QCOMPARE(w.Grid()->cell(0, 1), QString());
    QVERIFY(w->document()->isModified());
}

void TestGridCells::dragging_the_line_under_a_row_resizes_the_row()
{
    WindowFixture w;
    w.SetRowCount(3);
    QWidget* cells = w.View()->viewport();
    const int before = w.View()->rowHeight(0);
    const int line = w.View()->rowViewportPosition(0) + before;
    const auto send = [cells](QEvent::Type type, int y) {
        QMouseEvent event(type, QPointF(30, y), cells->mapToGlobal(QPointF(30, y)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(cells, &event);
    };
    send(QEvent::MouseButtonPress, line - 1);
    send(QEvent::MouseMove, line + 14);
    send(QEvent::MouseButtonRelease, line + 14);
    QCOMPARE(w.View()->rowHeight(0), before + 15);
    QCOMPARE(w.View()->rowHeight(1), before);
    QVERIFY(!w.View()->selectionModel()->hasSelection());
    // Away from a line, a press selects a cell as usual.
    send(QEvent::MouseButtonPress, w.View()->rowViewportPosition(1) + 8);
    send(QEvent::MouseButtonRelease, w.View()->rowViewportPosition(1) + 8);
    QCOMPARE(w.View()->currentIndex().row(), 1);
}

void TestGridCells::a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("60 pixels") << 60;
    QTest::newRow("the shipped Mol column, 110 pixels") << 110;
}

void TestGridCells::a_number_in_a_narrow_column_is_drawn_rounded_and_kept_whole()
{
    QFETCH(int, width);
    WindowFixture w(QString(), false);
    w->desktop().setDefaultsFolder(
        QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults")); // the grid font users see
    w.Start();
    SetColumns(w, {"Mol"}, {"2"});
    const QString full = "0.623052959501558";
    w.Doc()->setCell(0, 1, full);
    w.Doc()->resizeColumn(0, width);
    const QStyleOptionViewItem shown = w.View()->shownCell(0, 1);
    // Rounded to the digits that fit (0.6231 rather than 0.6230), and so short that the style
    // draws it whole: laid out as the style lays it out, it fits the room the style leaves.
    QVERIFY2(shown.text.size() >= 3 && (width > 60 || shown.text.size() < full.size()),
             qPrintable(shown.text));
    QCOMPARE(shown.text, QString::fromStdString(FormatGeneral(full.toDouble(), int(shown.text.size()) - 2)));
    QTextLayout layout(shown.text, shown.font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1000);
    layout.endLayout();
    const QStyle* style = w.View()->style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w.View()) + 1;
    QVERIFY(line.naturalTextWidth() <=
            style->subElementRect(QStyle::SE_ItemViewItemText, &shown, w.View()).width() - 2 * margin);
    QCOMPARE(w.Grid()->cell(0, 1), full);
    QCOMPARE(w.View()->model()->index(0, 0).data(Qt::EditRole).toString(), full);
    // The full value is the cell's tooltip.
    const QRect cell = w.View()->visualRect(w.View()->model()->index(0, 0));
    QHelpEvent help(QEvent::ToolTip, cell.center(), w.View()->viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(w.View()->viewport(), &help);
    QCOMPARE(QToolTip::text(), full);
    // In a wide column the whole text shows.
    w.Doc()->resizeColumn(0, 300);
    QCOMPARE(w.View()->shownCell(0, 1).text, full);
}

void TestGridCells::headers_start_at_the_reading_side_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::newRow("English, from the left") << false;
    QTest::newRow("Farsi, from the right, as the cells") << true;
}

void TestGridCells::headers_start_at_the_reading_side()
{
    QFETCH(bool, farsi);
    WindowFixture w;
    if (farsi)
        w->commandAction("switchToFarsi")->trigger();
    SetColumns(w, {"Mol"}, {"2"});
    w.Doc()->resizeColumn(0, 200);
    QHeaderView* header = w.View()->horizontalHeader();
    const QImage image = header->grab().toImage();
    const int left = header->sectionViewportPosition(0);
    int inkLeft = left + 200, inkRight = left;
    for (int y = 2; y < header->height() - 2; ++y)
        for (int x = left + 2; x < left + 198; ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
            }
    QVERIFY2(farsi ? inkLeft > left + 150 : inkRight < left + 50,
             qPrintable(QString::number(inkLeft - left)));
}

QTEST_MAIN(TestGridCells)
#include "tst_grid_cells.moc"
