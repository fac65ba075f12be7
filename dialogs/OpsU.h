// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options dialog: the five fonts, the subscript position, the grid columns and the
// formulas of the open document. It keeps nothing between showings: every showing
// loads its controls from the document, OK and Default write them back, Cancel drops
// them. Default (the result DefaultResult) also asks its owner to save them as the
// defaults file of the interface language.

#include "core/Language.h"
#include "document/FontSettings.h"

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
class TColorBox;

class TOpsForm : public QDialog
{
    Q_OBJECT

  public:
    TOpsForm(DocumentModel* document, QWidget* parent);
    void Recaption(Language lang);

    // The dialog's result after Default; OK gives Accepted, Cancel Rejected.
    static constexpr int DefaultResult = 6;

    void FormShow(); // loads every control from the document (runs on every showing)
    void GIListClick();
    void GINameChange();
    void GIUpClick();
    void GIDownClick();
    void GINewClick();
    void GIDeleteClick();
    void GFListClick();
    void GFN1Change();
    void GFNewClick();
    void GFDeleteClick();
    void HelpBtnClick();
    void OKClick();
    void DefClick();
    void CancelClick();
    void TimTimer();

    // One row of the Fonts page, in document font order.
    struct TFontRow
    {
        QLabel* Title = nullptr;
        QLabel* NameLabel = nullptr;
        QComboBox* Face = nullptr;
        QLabel* SizeLabel = nullptr;
        QLineEdit* Size = nullptr;
        QToolButton* Bold = nullptr;
        QToolButton* Italic = nullptr;
        QLabel* ColorLabel = nullptr;
        TColorBox* Color = nullptr;
    };
    TFontRow FontRows[5];

    QTabWidget* PageControl = nullptr;
    QWidget* Fonts = nullptr;
    QWidget* Grd = nullptr;
    QLabel* Label21 = nullptr;
    QLineEdit* FSbP = nullptr;
    QLabel* Label23 = nullptr;
    QListWidget* GIList = nullptr;
    QToolButton* GIUp = nullptr;
    QToolButton* GIDown = nullptr;
    QToolButton* GINew = nullptr;
    QToolButton* GIDelete = nullptr;
    QLabel* Label24 = nullptr;
    QLineEdit* GIName = nullptr;
    QLabel* Label25 = nullptr;
    QComboBox* GIType = nullptr;
    QLabel* Label26 = nullptr;
    QLineEdit* GIWidth = nullptr;
    QLabel* Label27 = nullptr;
    QListWidget* GFList = nullptr;
    QToolButton* GFNew = nullptr;
    QToolButton* GFDelete = nullptr;
    QComboBox* GFN1 = nullptr;
    QLabel* EqualsLabel = nullptr;
    QLineEdit* GFN2 = nullptr;
    QLabel* Label29 = nullptr; // the formula help text, never shown itself
    QPushButton* HelpBtn = nullptr;
    QPushButton* Def = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Cancel = nullptr;
    QLabel* ChLbl = nullptr; // measures the grid font's line height
    QTimer* Tim = nullptr;   // asks for the reaction line to be drawn once the dialog has gone

  signals:
    // OK or Default wrote the settings into the document; the grid's rows are to be
    // gridRowHeight pixels high, after its font.
    void settingsApplied(int gridRowHeight);
    // 100 ms after OK or Default: the reaction line is to be drawn with the new fonts.
    void redrawRequested();
    // A comma typed or pasted into an item name was dropped.
    void separatorDropped();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateFontsPage();
    void CreateGridPage();
    void CreateButtons();
    // A named control at its left-to-right place, remembered for mirroring.
    template <typename Widget> Widget* Add(QWidget* parent, const char* name, int x, int y, int w, int h)
    {
        auto* widget = new Widget(parent);
        widget->setObjectName(QString::fromLatin1(name));
        Place(widget, x, y, w, h);
        return widget;
    }
    QToolButton* GlyphButton(QWidget* parent, const char* name, const char* glyph, int x, int y, int w,
                             int h);
    void Place(QWidget* widget, int x, int y, int w, int h);
    void PlaceAll(); // positions every control, mirrored in a right-to-left dialog
    int AddMissingFace(QComboBox* box, const QString& name) const; // its index
    void LoadItemEditors();
    void LoadFormulaEditors();
    void ApplySettings(); // what OK and Default both write into the document
    void ApplyFontRows(FontSettings& fonts) const;
    void ApplyColumns();

    DocumentModel* Document;
    bool LoadingEditors = false; // editor change reactions wait while the editors are loaded
    std::vector<std::pair<QWidget*, QRect>> Placed; // left-to-right geometry of each control
};

// Every text of the dialog in both languages, for checks over all of them.
const std::vector<const LocalText*>& OptionsTexts();
// The hint of a face box whose face is not installed: which font is drawn in its place.
QString MissingFaceText(Language lang, const QString& substitute);
