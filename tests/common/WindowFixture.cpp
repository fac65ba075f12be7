// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/WindowFixture.h"

#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "ui/grid/GridView.h"
#include "ui/reactionline/ReactionLine.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QSettings>
#include <QTest>

TestSettings::TestSettings()
{
    // The program finds its settings file by the XDG rules; the tests' own look through QSettings.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Dir.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Dir.path());
}

void WindowTest::init()
{
    Settings = std::make_unique<TestSettings>();
    Dir = std::make_unique<QTemporaryDir>();
}

void WindowTest::cleanup()
{
    Dir.reset();
    Settings.reset();
}

QString WindowTest::PathOf(const QString& name) const
{
    return QDir(Dir->path()).filePath(name);
}

bool Framed(QWidget* window)
{
    return QGuiApplication::platformName() != QLatin1String("xcb") ||
           QTest::qWaitFor([window] { return window->frameGeometry() != window->geometry(); }, 3000);
}

MessageRecorder::MessageRecorder()
{
    SetMessageBoxHook([this](const MessageRequest& request) {
        Shown.push_back(request);
        if (!Answers.empty()) {
            const int answer = Answers.front();
            Answers.pop_front();
            return answer;
        }
        return DefaultAnswer;
    });
}

MessageRecorder::~MessageRecorder()
{
    SetMessageBoxHook(nullptr);
}

QStringList MessageRecorder::Texts() const
{
    QStringList texts;
    for (const MessageRequest& request : Shown)
        texts << request.Text;
    return texts;
}

WindowFixture::WindowFixture(const QString& commandLineFile, bool start)
{
    Window = new MainWindow(commandLineFile);
    Window->desktop().setDefaultsFolder(Defaults.path());
    Window->desktop().setMarksFolder(Marks.path());
    Window->desktop().setFileDialog(
        [this](FileDialogKind kind, const QString& title, const QString&, const QString& suggested) {
            FileDialogsAsked.push_back(kind);
            FileDialogTitles << title;
            FileSuggestions << suggested;
            if (FileAnswers.empty())
                return QString();
            const QString answer = FileAnswers.front();
            FileAnswers.pop_front();
            return answer;
        });
    if (start)
        Start();
}

void WindowFixture::Start()
{
    Window->show();
    Window->startUp();
    QTest::qWait(1);
}

WindowFixture::~WindowFixture()
{
    // Closing asks nothing in tests unless a test queued an answer; drop the changes.
    Window->document()->startNew(QString());
    Window->close();
    delete Window;
}

void WindowFixture::EditOptions(const std::function<void(DocumentOptions&)>& edit) const
{
    DocumentOptions options = Doc()->document().options();
    edit(options);
    Doc()->applyOptions(options);
}

void WindowFixture::EditFonts(const std::function<void(FontSettings&)>& edit) const
{
    EditOptions([&edit](DocumentOptions& options) { edit(options.Fonts); });
}

void WindowFixture::EditContent(const std::function<void(DocumentContent&)>& edit) const
{
    DocumentContent content = Doc()->document().content();
    edit(content);
    Doc()->restore(content);
}

void WindowFixture::SetRowCount(int rows) const
{
    EditContent([rows](DocumentContent& content) {
        const size_t columns = content.Data.Widths.size();
        content.Data.Cells.resize(size_t(rows), GridRow(columns));
        content.WorkedOut.resize(size_t(rows), std::vector<bool>(columns, false));
    });
}

void WindowFixture::MarkSaved() const
{
    const QString name = Doc()->fileName();
    Doc()->save(name.isEmpty() ? QDir(Scratch.path()).filePath("saved.KVX") : name, Marks.path());
}

void WindowFixture::MarkModified() const
{
    const std::string text = Doc()->reactionText();
    Doc()->setReaction(text + "H");
    Doc()->setReaction(text);
}

void TypeCharacter(QWidget* target, QChar ch)
{
    if (ch.unicode() < 0x80)
        QTest::keyClick(target, ch.toLatin1());
    else // a key of another keyboard layout
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void TypeIntoGrid(const WindowFixture& w, const QString& typed, int column, int row)
{
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.Window));
    w.View()->setFocus();
    w.View()->setCurrentIndex(w.View()->model()->index(row - 1, column));
    for (QChar ch : typed) {
        QWidget* focus = QApplication::focusWidget();
        TypeCharacter(focus ? focus : w.View(), ch);
    }
}
