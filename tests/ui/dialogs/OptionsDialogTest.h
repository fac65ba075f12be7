// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/common/WindowFixture.h"
#include "ui/dialogs/OptionsDialog.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QTest>

#include <memory>

// The options dialog driven through its real widgets on a started main window, a fresh one for
// each test.
class OptionsDialogTest : public QObject
{
    Q_OBJECT

  private slots: // before and after each test
    void init()
    {
        Started = std::make_unique<StartedWindow>();
        Window = &Started->Window;
        Messages = &Started->Messages;
        Ops = Window->Find<OptionsDialog>("optionsDialog");
        Window->MarkSaved();
    }
    void cleanup()
    {
        if (Ops->isVisible())
            Ops->reject();
        Started.reset();
    }

  protected:
    std::unique_ptr<StartedWindow> Started;
    WindowFixture* Window = nullptr;
    MessageRecorder* Messages = nullptr;
    OptionsDialog* Ops = nullptr;

    // Shows the dialog the way a test can drive it: open() instead of a blocking exec().
    void Show()
    {
        Ops->open();
        QVERIFY(QTest::qWaitForWindowExposed(Ops));
    }
    template <typename T> T* Find(const char* name)
    {
        T* widget = Ops->findChild<T*>(name);
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
};

struct Column
{
    QString Name;
    const char* Type;
    int Width;
};

// Gives the window's grid exactly these columns and one data row of cells "<name>1".
inline void SetColumns(MainWindow* window, const std::vector<Column>& columns)
{
    DocumentContent content = window->document()->document().content();
    content.Data.Widths.clear();
    content.Data.Cells.assign(2, GridRow());
    content.Data.TypesList.clear();
    for (const Column& column : columns) {
        content.Data.Cells[0].push_back(column.Name.toStdString());
        content.Data.Cells[1].push_back((column.Name + "1").toStdString());
        content.Data.Widths.push_back(column.Width);
        content.Data.TypesList.push_back(column.Type);
    }
    content.WorkedOut.assign(2, std::vector<bool>(columns.size(), false));
    window->document()->restore(content);
}

inline QStringList Headers(MainWindow* window)
{
    QStringList names;
    for (int c = 0; c < window->document()->grid()->gridColumnCount(); ++c)
        names << window->document()->grid()->cell(c, 0);
    return names;
}

inline QStringList Entries(const QListWidget* list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

inline void Retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}
