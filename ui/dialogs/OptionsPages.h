// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options dialog's controls, which OptionsDialog works with: the Fonts page (a row a
// font, and the subscripts' place), the Grid page (the column items and the formulas) and
// the buttons, each control at its left-to-right place, mirrored in a right-to-left dialog,
// and captioned in the document's language. The object names are those the program's tests
// have always found the controls by.

#include "texts/Language.h"

#include <QDialog>

#include <utility>
#include <vector>

class ColorBox;
class DocumentModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QToolButton;

class OptionsPages : public QDialog
{
    Q_OBJECT

  public:
    // One row of the Fonts page, in document font order.
    struct FontRow
    {
        QLabel* title = nullptr;
        QLabel* nameLabel = nullptr;
        QComboBox* face = nullptr;
        QLabel* sizeLabel = nullptr;
        QLineEdit* size = nullptr;
        QToolButton* bold = nullptr;
        QToolButton* italic = nullptr;
        QLabel* colorLabel = nullptr;
        ColorBox* color = nullptr;
    };
    FontRow fontRows[5];

    QTabWidget* pages = nullptr;
    QWidget* fontsPage = nullptr;
    QWidget* gridPage = nullptr;
    QLabel* subscriptsLabel = nullptr;
    QLineEdit* subscriptsPosition = nullptr;
    QLabel* itemsLabel = nullptr;
    QListWidget* itemList = nullptr;
    QToolButton* itemUpButton = nullptr;
    QToolButton* itemDownButton = nullptr;
    QToolButton* itemNewButton = nullptr;
    QToolButton* itemDeleteButton = nullptr;
    QLabel* itemNameLabel = nullptr;
    QLineEdit* itemName = nullptr;
    QLabel* itemTypeLabel = nullptr;
    QComboBox* itemType = nullptr;
    QLabel* itemWidthLabel = nullptr;
    QLineEdit* itemWidth = nullptr;
    QLabel* formulasLabel = nullptr;
    QListWidget* formulaList = nullptr;
    QToolButton* formulaNewButton = nullptr;
    QToolButton* formulaDeleteButton = nullptr;
    QComboBox* formulaTarget = nullptr;
    QLabel* equalsLabel = nullptr;
    QLineEdit* formulaExpression = nullptr;
    QLabel* formulaHelp = nullptr;    // the formula help text, never shown itself
    QLabel* formulaReading = nullptr; // the expression being edited as it will be read
    QPushButton* helpButton = nullptr;
    QPushButton* defaultButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QLabel* lineHeightProbe = nullptr; // measures the grid font's line height

  signals:
    // A comma typed or pasted into an item name was dropped.
    void separatorDropped();

  protected:
    OptionsPages(DocumentModel* document, QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

    DocumentModel* Document;

  private:
    void retranslate(Language lang); // as the document's language changes
    void createFontsPage();
    void createGridPage();
    void createButtons();
    // A named control at its left-to-right place, remembered for mirroring.
    template <typename Widget> Widget* Add(QWidget* parent, const char* name, int x, int y, int w, int h)
    {
        auto* widget = new Widget(parent);
        widget->setObjectName(QString::fromLatin1(name));
        Place(widget, x, y, w, h);
        return widget;
    }
    QToolButton* glyphButton(QWidget* parent, const char* name, const char* glyph, int x, int y, int w,
                             int h);
    void Place(QWidget* widget, int x, int y, int w, int h);
    void placeAll(); // positions every control, mirrored in a right-to-left dialog

    std::vector<std::pair<QWidget*, QRect>> Placed; // left-to-right geometry of each control
};
