// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options dialog: the five fonts, the subscript position, the grid columns and the
// formulas of the open document. It keeps nothing between showings: every showing
// loads its controls from the document, OK and Default write them back, Cancel drops
// them. Default (the result DefaultResult) also asks its owner to save them as the
// defaults file of the interface language.

#include "document/FontSettings.h"
#include "texts/Language.h"

#include <QDialog>

#include <string>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;
class DocumentModel;
class ColorBox;

class OptionsDialog : public QDialog
{
    Q_OBJECT

  public:
    OptionsDialog(DocumentModel* document, QWidget* parent);

    // The dialog's result after Default; OK gives Accepted, Cancel Rejected.
    static constexpr int DefaultResult = 6;

    void load(); // loads every control from the document (runs on every showing)
    void showItem();
    void itemEdited();
    void moveItemUp();
    void moveItemDown();
    void addItem();
    void deleteItem();
    void showFormula();
    void formulaEdited();
    void addFormula();
    void deleteFormula();
    void showFormulaHelp();
    void applyAndClose();
    void applyAsDefault();
    void cancel();
    void redrawLater();

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
    QLabel* formulaHelp = nullptr; // the formula help text, never shown itself
    QPushButton* helpButton = nullptr;
    QPushButton* defaultButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QLabel* lineHeightProbe = nullptr; // measures the grid font's line height
    QTimer* redrawTimer = nullptr;     // asks for the reaction line to be drawn once the dialog has gone

  signals:
    // OK or Default wrote the settings into the document; the grid's rows are to be
    // gridRowHeight pixels high, after its font.
    void settingsApplied(int gridRowHeight);
    // 100 ms after OK or Default: the reaction line is to be drawn with the new fonts.
    void redrawRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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
    int addMissingFace(QComboBox* box, const QString& name) const; // its index
    void loadItemEditors();
    void loadFormulaEditors();
    void applySettings(); // what OK and Default both write into the document
    void applyFontRows(FontSettings& fonts) const;

    DocumentModel* Document;
    bool LoadingEditors = false; // editor change reactions wait while the editors are loaded
    std::vector<std::pair<QWidget*, QRect>> Placed; // left-to-right geometry of each control
};

// Every text of the dialog in both languages, for checks over all of them.
const std::vector<const LocalText*>& OptionsTexts();
// The hint of a face box whose face is not installed: which font is drawn in its place.
QString MissingFaceText(Language lang, const QString& substitute);
