// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/common/WindowFixture.h"

#include "document/DocumentModel.h"
#include "editor/ReactionLine.h"
#include "grid/GridModel.h"
#include "grid/PropertyGrid.h"
#include "shell/StoikonApp.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

TestSettings::TestSettings()
{
    // The program finds its settings file by the XDG rules; the tests' own look through QSettings.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Dir.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Dir.path());
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
    Window = CreateStoikonWindows(commandLineFile);
    Window->SetDefaultsFolder(Defaults.path());
    Window->SetMarksFolder(Marks.path());
    Window->SetFileDialogHook([this](FileDialogKind kind, const QString& title, const QString&) {
        FileDialogsAsked.push_back(kind);
        FileDialogTitles << title;
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
    Window->FormActivate();
    QTest::qWait(1);
}

WindowFixture::~WindowFixture()
{
    // Closing asks nothing in tests unless a test queued an answer; drop the changes.
    Window->document()->setModified(false);
    Window->close();
    delete Window;
}

void WindowFixture::EditFonts(const std::function<void(FontSettings&)>& edit) const
{
    FontSettings fonts = Doc()->fonts();
    edit(fonts);
    Doc()->setFonts(fonts);
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
