// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the widget tests share: user settings in a throwaway folder, message boxes and file
// dialogs answered by the test, and a main window created the way the program creates it.

#include "model/DocumentModel.h"
#include "model/GridModel.h"
#include "ui/dialogs/MessageBox.h"
#include "ui/grid/GridView.h"
#include "ui/mainwindow/CommandFunctions.h"
#include "ui/mainwindow/HelpMode.h"
#include "ui/mainwindow/LanguageSwitch.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/reactionline/ReactionLine.h"

#include <QAction>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Points the user settings at a fresh folder for as long as it lives.
class TestSettings
{
  public:
    TestSettings();
    QString Path() const { return Dir.path(); }

  private:
    QTemporaryDir Dir;
};

// Records every message box and answers it: with the queued answers first, then with
// DefaultAnswer.
class MessageRecorder
{
  public:
    MessageRecorder();
    ~MessageRecorder();
    std::vector<MessageRequest> Shown;
    std::deque<int> Answers;
    int DefaultAnswer = AnswerOk;
    QStringList Texts() const;
};

// A window made with CreateStoikonWindows, shown offscreen and past its first activation.
// DefaultsFolder points at an empty temporary folder unless the test sets one before
// calling Start. File dialogs are answered from FileAnswers (an empty answer cancels).
class WindowFixture
{
  public:
    explicit WindowFixture(const QString& commandLineFile = QString(), bool start = true);
    ~WindowFixture();
    void Start();
    MainWindow* operator->() const { return Window; }
    DocumentModel* Doc() const { return Window->document(); }
    GridModel* Grid() const { return Doc()->grid(); }
    // A part of the window (or of its dialogs) by its object name.
    template <typename T = QWidget> T* Find(const char* name) const
    {
        T* found = Window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no %s in the window", name);
        return found;
    }
    GridView* View() const { return Find<GridView>("grid"); }
    ReactionLine* Line() const { return Find<ReactionLine>("reactionLine"); }
    QWidget* KeyBox() const { return Find<QWidget>("keyBox"); } // takes the line's keys
    QAction* Action(const char* name) const { return Find<QAction>(name); }
    // The document changed as a test needs it: through the options, as OK gives them; its
    // content at once, as an undo puts it back (rows, cells, marks); or as just saved.
    void EditOptions(const std::function<void(DocumentOptions&)>& edit) const;
    void EditFonts(const std::function<void(FontSettings&)>& edit) const;
    void EditContent(const std::function<void(DocumentContent&)>& edit) const;
    void SetRowCount(int rows) const; // the header row too
    void MarkSaved() const;           // to its file, or to one in Scratch
    void MarkModified() const;        // edits that leave the text as it was
    MainWindow* Window = nullptr;
    QTemporaryDir Defaults;
    QTemporaryDir Marks; // the records of worked-out cells
    QTemporaryDir Scratch;
    std::deque<QString> FileAnswers;
    std::vector<FileDialogKind> FileDialogsAsked;
    QStringList FileDialogTitles;
    QStringList FileSuggestions; // the names the dialogs offered
};

// User settings of its own, its message boxes recorded and a started main window: what a test
// of the window's parts has, made in its init and dropped in its cleanup.
struct StartedWindow
{
    TestSettings Settings;
    MessageRecorder Messages;
    WindowFixture Window;
};

// A test class whose every test runs with user settings and a scratch folder of its own.
class WindowTest : public QObject
{
    Q_OBJECT

  private slots: // before and after each test
    void init();
    void cleanup();

  protected:
    QString PathOf(const QString& name) const; // in the scratch folder
    std::unique_ptr<TestSettings> Settings;
    std::unique_ptr<QTemporaryDir> Dir;
};

// Offscreen the frame is the one Qt computes; under X it is the window manager's, and without
// one there is nothing to check.
bool Framed(QWidget* window);

// Types one character as a keyboard would: ASCII as a key click, anything else (a letter of
// the Farsi layout) as a key event that carries only its text.
void TypeCharacter(QWidget* target, QChar ch);

// Types into the grid as a person would: the first key opens the cell editor, the rest go
// to whatever has the focus then.
void TypeIntoGrid(const WindowFixture& w, const QString& typed, int column = 0, int row = 1);
