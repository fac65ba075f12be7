// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the README's pictures of the window, its menus and a message box, headless, from
// the shipped defaults. Run by scripts/screenshots.sh:
//   stoikon_screenshots FOLDER           the window in both languages, a worksheet, an ionic
//                                        equation, the File menu
//   stoikon_screenshots FOLDER --zoomed  the Farsi menus and a Farsi message box, to be made
//                                        with QT_SCALE_FACTOR=2 so that their letters are sharp

#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "texts/Texts.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/mainwindow/CommandFunctions.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {
QString OutDir;
bool Failed = false;

void Save(const QImage& image, const char* name)
{
    const QString path = OutDir + QLatin1Char('/') + QLatin1String(name);
    if (image.save(path)) {
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        Failed = true;
    }
}

void Settle()
{
    QTest::qWait(50);
}

// The window with one menu open over it, cut to the menu and its menu bar item with a
// little of the window around them.
QImage OpenMenu(MainWindow* window, const char* name)
{
    auto* menu = window->findChild<QMenu*>(QLatin1String(name));
    QMenuBar* bar = window->menuBar();
    bar->setActiveAction(menu->menuAction());
    Settle();
    const QPixmap back = window->grab();
    const qreal ratio = back.devicePixelRatio();
    const QPoint at = menu->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0));
    QImage picture(back.size(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, back);
    painter.drawPixmap(at, menu->grab());
    painter.end();
    const QRect item = bar->actionGeometry(menu->menuAction()).translated(bar->pos());
    const QRect area =
        QRect(at, menu->size()).united(item).adjusted(-24, -2, 24, 16).intersected(window->rect());
    menu->hide();
    bar->setActiveAction(nullptr);
    Settle();
    QImage cut = picture.copy(QRect(area.topLeft() * ratio, area.size() * ratio));
    cut.setDevicePixelRatio(1);
    return cut;
}

// Pictures side by side in rows of two, each row read from the right as Farsi is.
QImage RightToLeftSheet(const std::vector<QImage>& pictures)
{
    constexpr int gap = 16;
    int cellWidth = 0;
    int cellHeight = 0;
    for (const QImage& picture : pictures) {
        cellWidth = std::max(cellWidth, picture.width());
        cellHeight = std::max(cellHeight, picture.height());
    }
    const int rows = int(pictures.size() + 1) / 2;
    QImage sheet(2 * cellWidth + 3 * gap, rows * (cellHeight + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(0xF4, 0xF4, 0xF4));
    QPainter painter(&sheet);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const int column = 1 - int(i % 2); // the first at the right
        const int x = gap + column * (cellWidth + gap) + (column == 1 ? cellWidth - pictures[i].width() : 0);
        painter.drawImage(x, gap + int(i / 2) * (cellHeight + gap), pictures[i]);
    }
    return sheet;
}

void Balanced(MainWindow* window, const char* reaction)
{
    window->document()->setReaction(reaction);
    window->document()->balance(true, AtomicWeights::Precise);
}

// A new document of the language, from its shipped defaults.
void NewDocument(MainWindow* window, Language lang)
{
    if (lang == Language::Farsi)
        window->commandAction("switchToFarsi")->trigger();
    StartNewDocument(window->context());
    Settle();
}

void WindowPictures(MainWindow* window, Language lang)
{
    const bool farsi = lang == Language::Farsi;
    NewDocument(window, lang);
    Balanced(window, "C3H8+O2>CO2+H2O");
    Settle();
    Save(window->grab().toImage(), farsi ? "window-fa.png" : "window-en.png");
    Save(OpenMenu(window, "fileMenu"), farsi ? "menu-fa.png" : "menu-en.png");
    // 20 g of methane and 64 g of oxygen: oxygen runs out first, some methane is left over,
    // and 30 g of water collected is the yield.
    Balanced(window, "CH4+O2>CO2+H2O");
    window->document()->resizeColumn(4, 190);
    window->document()->setCell(4, 1, "20");
    window->document()->setCell(4, 2, "64");
    window->document()->setCell(4, 4, "30");
    window->document()->recalculate();
    Settle();
    Save(window->grab().toImage(), farsi ? "worksheet-fa.png" : "worksheet-en.png");
    // An ionic equation: 2.79 g of iron(II) oxidised by permanganate in acid. A volume at
    // 22.4 L/mol means nothing for ions, so that column is left out.
    Balanced(window, "MnO4^-+H^++Fe^2+>Mn^2++Fe^3++H2O");
    DocumentModel* document = window->document();
    DocumentOptions options = document->document().options();
    options.ItemLines.resize(5);
    document->applyOptions(options);
    for (int row = 1; row < document->grid()->gridRowCount(); ++row)
        for (int column : {3, 4})
            document->setCell(column, row, QString());
    document->setCell(4, 3, "2.79");
    document->recalculate();
    Settle();
    Save(window->grab().toImage(), farsi ? "ionic-fa.png" : "ionic-en.png");
}

void ZoomedPictures(MainWindow* window)
{
    NewDocument(window, Language::Farsi);
    std::vector<QImage> menus;
    for (const char* name : {"fileMenu", "reactionMenu", "settingsMenu", "helpMenu"})
        menus.push_back(OpenMenu(window, name));
    Save(RightToLeftSheet(menus), "menus-fa.png");

    std::unique_ptr<QMessageBox> box(
        BuildMessageBox({Texts::MsgSaveChanges.In(Language::Farsi), MessageKind::Confirmation,
                         ButtonYes | ButtonNo | ButtonCancel, Language::Farsi},
                        window->desktop().programFont(), window));
    box->show();
    Settle();
    QImage picture = box->grab().toImage();
    picture.setDevicePixelRatio(1);
    Save(picture, "message-fa.png");
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    OutDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const bool zoomed = argc > 2 && QByteArray(argv[2]) == "--zoomed";
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    QTemporaryDir marks;

    std::unique_ptr<MainWindow> window(new MainWindow());
    window->desktop().setDefaultsFolder(QStringLiteral(STOIKON_SOURCE_DIR "/resources/defaults"));
    window->desktop().setMarksFolder(marks.path());
    window->show();
    window->startUp();
    Settle();
    if (zoomed) {
        ZoomedPictures(window.get());
    } else {
        WindowPictures(window.get(), Language::English);
        WindowPictures(window.get(), Language::Farsi);
    }
    window->document()->startNew(QString()); // closing asks nothing
    return Failed ? 1 : 0;
}
