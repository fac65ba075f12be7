// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reactionline/ReactionLine.h"

#include "core/ChargeNotation.h"
#include "model/DocumentModel.h"
#include "render/DrawReaction.h"
#include "render/FontConvert.h"
#include "ui/reactionline/ReactionLineAccessible.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>
#include <QStyleHints>
#include <QTimer>

#include <algorithm>

// KeyReceiver: holds the keyboard focus for the line and shows nothing; key-down, character,
// key-up and focus events go to the line's hf handlers. Always left to right. Unlike an
// edit box it claims no shortcut, so the window's Copy, Paste, Save ... keys stay theirs.
class KeyBox : public QWidget
{
  public:
    explicit KeyBox(ReactionLine* line) : QWidget(line), Line(line)
    {
        setLayoutDirection(Qt::LeftToRight);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_InputMethodEnabled);
    }

    // Keys whose press reached the line. Only their releases count as editing, so the
    // release of Enter in a closed file dialog, or of Ctrl after Ctrl+S, does not mark a
    // just-saved document as changed.
    QSet<int> PressedKeys;

  protected:
    // Typed text, also from an input method, goes to the line.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override
    {
        if (query == Qt::ImEnabled)
            return true;
        return QWidget::inputMethodQuery(query);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (!event->isAutoRepeat())
            PressedKeys.insert(event->key());
        Line->keyDown(event->key());
        // Delete produces no character of its own on the platform the line is modelled on.
        if (event->key() == Qt::Key_Delete)
            return;
        for (char32_t ch : event->text().toUcs4())
            Line->keyTyped(ch);
    }

    void keyReleaseEvent(QKeyEvent* event) override
    {
        if (!event->isAutoRepeat() && PressedKeys.remove(event->key()))
            Line->keyUp();
    }

    void inputMethodEvent(QInputMethodEvent* event) override
    {
        for (char32_t ch : event->commitString().toUcs4())
            Line->keyTyped(ch);
        if (!event->commitString().isEmpty())
            Line->keyUp();
        event->accept();
    }

    void focusInEvent(QFocusEvent* event) override
    {
        QWidget::focusInEvent(event);
        Line->focusEntered();
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QWidget::focusOutEvent(event);
        Line->focusLeft();
    }

  private:
    ReactionLine* Line;
};

namespace {
// The time between two blink steps. Qt gives the whole on-and-off cycle, and some
// platforms give 0 or less for "no blinking"; the caret then blinks at the usual rate.
int BlinkInterval()
{
    const int cycle = QGuiApplication::styleHints()->cursorFlashTime();
    return cycle > 0 ? std::max(cycle / 2, 100) : 530;
}
} // namespace

ReactionLine::ReactionLine(DocumentModel* document, QWidget* parent)
    : QWidget(parent), Document(document), KeyReceiver(new KeyBox(this)), BlinkTimer(new QTimer(this))
{
    connect(Document, &DocumentModel::reactionTextChanged, this, &ReactionLine::followDocument);
    // The spoken text is in the interface's language.
    connect(Document, &DocumentModel::languageChanged, this,
            [this] { ReactionLineAccessible::Follow(KeyReceiver); });
    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The key box lies just outside the line, where it never shows.
    KeyReceiver->setObjectName("keyBox");
    KeyReceiver->setGeometry(-66, 0, 65, 21);
    BlinkTimer->setObjectName("blinkTimer");
    BlinkTimer->setInterval(500);
    connect(BlinkTimer, &QTimer::timeout, this, &ReactionLine::blink);
    ReactionLineAccessible::InstallFactory();
    draw();
}

const std::string& ReactionLine::text() const
{
    return Document->reactionText();
}

Language ReactionLine::language() const
{
    return Document->language();
}

void ReactionLine::followDocument()
{
    CaretPos = std::min(CaretPos, static_cast<int>(Document->reactionText().size()));
    FirstVisible = std::min(FirstVisible, CaretPos);
    draw();
}

void ReactionLine::edit(const std::string& text)
{
    if (text == Document->reactionText())
        draw();
    else
        Document->setReaction(text); // drawn as the document tells its change
}

void ReactionLine::setCaretPos(int pos)
{
    CaretPos = std::clamp(pos, 0, int(Document->reactionText().size()));
    scrollToCaret();
    draw();
}

void ReactionLine::setHelpMode(bool on)
{
    HelpMode = on;
    setCursor(on ? Qt::WhatsThisCursor : Qt::IBeamCursor);
}

void ReactionLine::focusEditor()
{
    KeyReceiver->setFocus(Qt::MouseFocusReason);
}

void ReactionLine::forgetPressedKeys()
{
    KeyReceiver->PressedKeys.clear();
}

void ReactionLine::keyDown(int key)
{
    // The caret stays still while a key is held.
    BlinkTimer->stop();
    std::string text = Document->reactionText();
    const int count = int(CharWidths.size());
    switch (key) {
    case Qt::Key_Right:
        if (CaretPos < count)
            ++CaretPos;
        break;
    case Qt::Key_Left:
        if (CaretPos > 0)
            --CaretPos;
        break;
    case Qt::Key_Delete:
        if (CaretPos < int(text.size()))
            text.erase(size_t(CaretPos), 1);
        break;
    case Qt::Key_Backspace:
        if (CaretPos > 0 && CaretPos <= int(text.size())) {
            text.erase(size_t(CaretPos - 1), 1);
            --CaretPos;
        }
        break;
    case Qt::Key_Home:
        CaretPos = 0;
        break;
    case Qt::Key_End:
        CaretPos = count;
        break;
    default:
        break;
    }
    scrollToCaret();
    // Deleting is an edit: it removes the coefficients like typing does.
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        ::TidyReaction(text, CaretPos, Keys.AutoCase);
        FirstVisible = std::min(FirstVisible, CaretPos);
    }
    edit(text);
    blink();
}

void ReactionLine::keyTyped(char32_t typed)
{
    const char32_t ch = MapKey(typed, Keys);
    if (ch == U'\r') {
        emit balanceRequested();
        return;
    }
    insertChar(ch);
}

void ReactionLine::insertChar(char32_t ch)
{
    // Anything outside the alphabet inserts nothing, yet still tidies the line: even a
    // dropped key removes the coefficients of a balanced reaction.
    std::string text = Document->reactionText();
    if (ch < 0x80 && IsReactionChar(char(ch))) {
        CaretPos = std::clamp(CaretPos, 0, int(text.size()));
        text.insert(size_t(CaretPos), 1, char(ch));
        ++CaretPos;
    }
    ::TidyReaction(text, CaretPos, Keys.AutoCase);
    FirstVisible = std::min(FirstVisible, CaretPos);
    edit(text);
    scrollToCaret(); // with the widths of the text as drawn
    draw();
    blink();
}

void ReactionLine::keyUp()
{
    // Every key released in the line is an edit of the document, even one that moved the
    // caret alone.
    Document->setReaction(Document->reactionText());
    BlinkTimer->start();
}

void ReactionLine::focusEntered()
{
    // In help mode the line shows the help cursor and no caret.
    if (!HelpMode)
        BlinkTimer->start();
}

void ReactionLine::focusLeft()
{
    BlinkTimer->stop();
    if (CaretShown)
        blink(); // erases the caret
}

void ReactionLine::pressAt(int x)
{
    // The caret goes to the first boundary at or right of the click: a click inside a
    // character puts it after that character, a click right of the text at the end.
    const long long target = x + widthBefore(FirstVisible);
    const int count = int(CharWidths.size());
    int n = 0;
    long long before = 0;
    while (n < count && before < target)
        before += CharWidths[size_t(n++)];
    CaretPos = n;
    scrollToCaret();
    draw();
    blink();
}

void ReactionLine::click()
{
    if (HelpMode)
        emit helpRequested();
    else
        focusEditor();
}

void ReactionLine::blink()
{
    BlinkTimer->setInterval(BlinkInterval()); // the first tick came after 500 ms
    CaretShown = !CaretShown;
    // Within the line once scrolled; kept in range before that too.
    CaretX = int(std::clamp(widthBefore(CaretPos) - widthBefore(FirstVisible), -(1LL << 20), 1LL << 20));
    if (Picture.isNull())
        return;
    // One pixel wide, from y = 1 to the line's height - 2 (excluded); hiding paints it white.
    // Within a charge (after its "^" and digits) the caret spans the raised charge only, so
    // that moving into the charge shows even where its invisible "^" leaves x unchanged.
    int top = 1;
    int bottom = Picture.height() - 3;
    if (ChargeOpenAt(Document->reactionText(),
                     size_t(std::clamp(CaretPos, 0, int(Document->reactionText().size()))))) {
        top = std::max(top, SuperscriptTop());
        bottom = std::min(bottom, SuperscriptTop() + SuperscriptHeight(Fonts) - 1);
    }
    QPainter painter(&Picture);
    painter.setPen(CaretShown ? Qt::black : Qt::white);
    painter.drawLine(CaretX, top, CaretX, bottom);
    painter.end();
    update();
}

void ReactionLine::tidy()
{
    std::string text = Document->reactionText();
    ::TidyReaction(text, CaretPos, Keys.AutoCase);
    // A removed coefficient before the caret may have moved the caret left of the scroll.
    FirstVisible = std::min(FirstVisible, CaretPos);
    edit(text);
}

void ReactionLine::scrollToCaret()
{
    // Keeps the caret within the line: 0 <= widthBefore(CaretPos) - widthBefore(FirstVisible) < W.
    // FirstVisible never passes the caret, so a line narrower than a character ends the loop.
    // The span is updated one character at a time, so a long line scrolls in linear time.
    const int lineWidth = width();
    const int count = int(CharWidths.size());
    long long span = widthBefore(CaretPos) - widthBefore(FirstVisible);
    while (FirstVisible < CaretPos && span >= lineWidth) {
        if (FirstVisible < count)
            span -= CharWidths[size_t(FirstVisible)];
        ++FirstVisible;
    }
    while (FirstVisible > 0 && span < 0) {
        --FirstVisible;
        if (FirstVisible < count)
            span += CharWidths[size_t(FirstVisible)];
    }
}

long long ReactionLine::widthBefore(int n) const
{
    n = std::clamp(n, 0, int(CharWidths.size()));
    long long width = 0;
    for (int i = 0; i < n; ++i)
        width += CharWidths[size_t(i)];
    return width;
}

void ReactionLine::draw()
{
    // Whoever replaced the text may have left the caret beyond its end.
    CaretPos = std::clamp(CaretPos, 0, int(Document->reactionText().size()));
    FirstVisible = std::clamp(FirstVisible, 0, CaretPos);
    // The line is as high as ReactionFont needs; its owner lays itself out around it.
    const int lineHeight = ReactionLineHeight(Fonts);
    if (height() != lineHeight)
        resize(width(), lineHeight);
    Picture = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&Picture);
    painter.fillRect(Picture.rect(), Qt::white);
    CharWidths = ::DrawReaction(painter, Document->reactionText(), Fonts, -widthBefore(FirstVisible),
                                lineHeight, PaletteOnGround(Qt::white, palette()));
    painter.end();
    // The drawing covered the caret; the next blink step paints it again.
    CaretShown = false;
    update();
    ReactionLineAccessible::Follow(KeyReceiver);
}

void ReactionLine::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // System colours of the fonts follow the desktop's colour scheme.
    if (event->type() == QEvent::PaletteChange)
        draw();
}

void ReactionLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, Picture);
}

void ReactionLine::mousePressEvent(QMouseEvent* event)
{
    Pressed = true;
    pressAt(qRound(event->position().x()));
}

void ReactionLine::mouseReleaseEvent(QMouseEvent* event)
{
    if (Pressed && rect().contains(event->position().toPoint()))
        click();
    Pressed = false;
}

void ReactionLine::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    draw();
}
