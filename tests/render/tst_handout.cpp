// SPDX-License-Identifier: GPL-3.0-or-later
// The handouts as a teacher hands them out: the PDF read back by its text (pdftotext) and
// drawn as a picture (pdftoppm), in both languages, as the answer key and as the students'
// sheet, on A4 and on Letter; and the reaction alone as SVG.

#include "document/Document.h"
#include "document/Exports.h"
#include "render/Handout.h"
#include "render/ReactionPicture.h"
#include "tests/common/Pixels.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestHandout : public QObject
{
    Q_OBJECT

  private slots:
    void the_pdf_handout_reads_and_renders_data();
    void the_pdf_handout_reads_and_renders();
    void a_long_grid_continues_under_its_header_row();
    void the_svg_picture_holds_the_reaction();

  private:
    QTemporaryDir Dir;
    QString PathOf(const QString& name) const { return QDir(Dir.path()).filePath(name); }
};

namespace {
// The iron worksheet: 11.1694 g of iron given, the rest worked out.
Document IronWorksheet(bool farsi, const std::string& marks)
{
    Document doc;
    doc.open(farsi ? STOIKON_SOURCE_DIR "/resources/defaults/NewF.KVX"
                   : STOIKON_SOURCE_DIR "/resources/defaults/New.KVX",
             marks);
    doc.setReaction("Fe+O2>Fe2O3");
    doc.balance(true, AtomicWeights::Table);
    doc.setCell(4, 1, "11.1694");
    doc.calculateUntilSettled();
    return doc;
}

// The output of one of poppler's tools; skips the test where they are not installed.
QByteArray Poppler(const QString& tool, const QStringList& args)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return QByteArray();
    QProcess process;
    process.start(tool, args);
    process.waitForFinished(30000);
    return process.readAllStandardOutput();
}
} // namespace

void TestHandout::the_pdf_handout_reads_and_renders_data()
{
    QTest::addColumn<bool>("farsi");
    QTest::addColumn<bool>("studentsSheet");
    QTest::addColumn<int>("paper");
    QTest::newRow("English answer key on A4") << false << false << int(Paper::A4);
    QTest::newRow("English students' sheet on Letter") << false << true << int(Paper::Letter);
    QTest::newRow("Farsi answer key on A4") << true << false << int(Paper::A4);
    QTest::newRow("Farsi students' sheet on A4") << true << true << int(Paper::A4);
}

void TestHandout::the_pdf_handout_reads_and_renders()
{
    QFETCH(bool, farsi);
    QFETCH(bool, studentsSheet);
    QFETCH(int, paper);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const Document doc = IronWorksheet(farsi, Dir.path().toStdString());
    const QString pdf = PathOf("handout.pdf");
    WriteHandoutPdf(BitmapSourceOf(doc, ExportView{{}, studentsSheet}), pdf.toStdString(), Paper(paper));

    // Farsi letters come back in their joined forms.
    const QString text = QString::fromUtf8(Poppler("pdftotext", {"-layout", pdf, "-"}))
                             .normalized(QString::NormalizationForm_KC);
    QVERIFY2(text.contains(QString::fromUtf8("4Fe+3O2→2Fe2O3")), qPrintable(text));
    QVERIFY(text.contains("11.1694"));                  // given
    QVERIFY(text.contains("159.664"));                  // the weights, filled by Balance
    QCOMPARE(text.contains("15.9664"), !studentsSheet); // worked out by Calculate Grid
    QVERIFY2(text.contains(farsi ? QString::fromUtf8("جرم") : QString("Mass")), qPrintable(text));
    const QByteArray info = Poppler("pdfinfo", {pdf}).simplified();
    QVERIFY2(info.contains(paper == int(Paper::Letter) ? "612 x 792 pts (letter)" : "595 x 842 pts (A4)"),
             info.constData());
    QVERIFY(info.contains("Pages: 1"));

    // Drawn: the table starts at the left margin, or in Farsi ends at the right one.
    Poppler("pdftoppm", {"-r", "48", "-png", "-singlefile", pdf, PathOf("page")});
    const QImage page(PathOf("page.png"));
    QVERIFY(!page.isNull());
    const QRect ink = InkBox(page, page.rect(), IsInk);
    const int margin = 15 * 48 * 10 / 254; // 15 mm at 48 dots an inch
    QVERIFY2(
        farsi ? qAbs(page.width() - 1 - ink.right() - margin) <= 2 : qAbs(ink.left() - margin) <= 2,
        qPrintable(QString("ink from %1 to %2 of %3").arg(ink.left()).arg(ink.right()).arg(page.width())));
}

void TestHandout::a_long_grid_continues_under_its_header_row()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    Document doc = IronWorksheet(false, Dir.path().toStdString());
    BitmapSource source = BitmapSourceOf(doc, ExportView{});
    source.RowHeights.assign(120, 20);
    source.Cells.resize(120, source.Cells.back());
    const QString pdf = PathOf("long.pdf");
    WriteHandoutPdf(source, pdf.toStdString(), Paper::A4);
    const QString text = QString::fromUtf8(Poppler("pdftotext", {"-layout", pdf, "-"}));
    QVERIFY(Poppler("pdfinfo", {pdf}).simplified().contains("Pages: 3"));
    QCOMPARE(text.count("Formula"), 3);
    QVERIFY(text.contains("Page 3 of 3"));
}

void TestHandout::the_svg_picture_holds_the_reaction()
{
    const Document doc = IronWorksheet(false, Dir.path().toStdString());
    const QString svg = PathOf("reaction.svg");
    WriteReactionSvg(doc.reaction(), doc.fonts(), svg.toStdString());
    QFile file(svg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains("<svg"));
    QVERIFY(bytes.contains("<title>4Fe + 3O₂ → 2Fe₂O₃</title>"));
    // Every character is text a browser draws in the document's fonts: the coefficients in
    // the numbers' colour, the arrow as a glyph.
    QVERIFY(bytes.contains(">4</text>"));
    QVERIFY(bytes.contains("fill=\"#0000ff\""));
    // Opened as a picture again, it is as wide as the reaction and on no ground.
    const QImage picture(svg);
    QVERIFY(!picture.isNull() && picture.width() > 3 * picture.height());
    QCOMPARE(qAlpha(picture.pixel(1, 1)), 0);
}

QTEST_MAIN(TestHandout)
#include "tst_handout.moc"
