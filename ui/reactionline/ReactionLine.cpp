// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reactionline/ReactionLine.h"

#include "core/ChargeNotation.h"
#include "model/DocumentModel.h"
#include "render/DrawReaction.h"
#include "render/FontConvert.h"
#include "texts/Texts.h"
#include "ui/reactionline/KeyBox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QTimer>

#include <algorithm>

// The frame around the line: a thin border in the desktop's colours, in its highlight colour
// while the line has the keyboard. It stands behind the line in the line's parent, a little
// larger than the line, and takes no clicks.
class LineFrame : public QWidget
{
  public:
    explicit LineFrame(QWidget* parent) : QWidget(parent)
    {
        setObjectName("reactionLineFrame");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }
    void setFocused(bool focused)
    {
        Focused = focused;
        update();
    }
    bool focused() const { return Focused; }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor colour = Focused ? palette().color(QPalette::Highlight) : palette().color(QPalette::Mid);
        painter.fillRect(0, 0, width(), height(), colour);
    }

  private:
    bool Focused = false;
};

namespace {
// The time between two blink steps. Qt gives the whole on-and-off cycle, and some
// platforms give 0 or less for "no blinking"; the caret then blinks at the usual rate.
int BlinkInterval()
{
    const int cycle = QGuiApplication::styleHints()->cursorFlashTime();
    return cycle > 0 ? std::max(cycle / 2, 100) : 530;
}

// How far the frame reaches beyond the line on each side.
constexpr int FrameWidth = 2;
} // namespace

// The line makes its key box; what the box does with keys and focus is the keys' part
// (ReactionLineKeys).
KeyBox::KeyBox(ReactionLine* line) : QWidget(line), Line(line)
{
    setLayoutDirection(Qt::LeftToRight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
}

ReactionLine::ReactionLine(DocumentModel* document, QWidget* parent)
    : QWidget(parent), Document(document), KeyReceiver(new KeyBox(this)), BlinkTimer(new QTimer(this))
{
    connect(Document, &DocumentModel::reactionTextChanged, this, &ReactionLine::followDocument);
    // An undo or redo of the line's own edit puts the caret back where it stood.
    connect(Document, &DocumentModel::caretRestored, this, &ReactionLine::setCaretPos);
    // The placeholder and the spoken text are in the interface's language (draw tells the
    // screen readers).
    connect(Document, &DocumentModel::languageChanged, this, &ReactionLine::draw);
    setCursor(Qt::IBeamCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (parent) {
        Frame = new LineFrame(parent);
        Frame->stackUnder(this);
        Frame->show();
    }
    // The key box lies just outside the line, where it never shows.
    KeyReceiver->setObjectName("keyBox");
    KeyReceiver->setGeometry(-66, 0, 65, 21);
    BlinkTimer->setObjectName("blinkTimer");
    BlinkTimer->setInterval(500);
    connect(BlinkTimer, &QTimer::timeout, this, &ReactionLine::blink);
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

int ReactionLine::selectionStart() const
{
    return hasSelection() ? std::min(Anchor, CaretPos) : CaretPos;
}

int ReactionLine::selectionEnd() const
{
    return hasSelection() ? std::max(Anchor, CaretPos) : CaretPos;
}

QString ReactionLine::selectedText() const
{
    const std::string& text = Document->reactionText();
    const int from = std::clamp(selectionStart(), 0, int(text.size()));
    const int to = std::clamp(selectionEnd(), from, int(text.size()));
    return QString::fromStdString(text.substr(size_t(from), size_t(to - from)));
}

void ReactionLine::followDocument()
{
    // A change made elsewhere (Balance, Undo, a new document) drops the selection.
    if (!Editing)
        Anchor = -1;
    CaretPos = std::min(CaretPos, static_cast<int>(Document->reactionText().size()));
    FirstVisible = std::min(FirstVisible, CaretPos);
    draw();
}

void ReactionLine::setCaretPos(int pos)
{
    Anchor = -1;
    CaretPos = std::clamp(pos, 0, int(Document->reactionText().size()));
    scrollToCaret();
    draw();
}

void ReactionLine::setSelection(int anchor, int caret)
{
    const int count = int(Document->reactionText().size());
    CaretPos = std::clamp(caret, 0, count);
    Anchor = std::clamp(anchor, 0, count);
    LastRun = Run::None;
    scrollToCaret();
    draw();
}

void ReactionLine::selectAll()
{
    setSelection(0, int(Document->reactionText().size()));
}

void ReactionLine::showWhole()
{
    Anchor = -1;
    CaretPos = int(Document->reactionText().size());
    LastRun = Run::None;
    // From the start as far as the line's width goes; when the whole fits, the caret shows too.
    FirstVisible = 0;
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

void ReactionLine::focusEntered()
{
    if (Frame)
        Frame->setFocused(true);
    // In help mode the line shows the help cursor and no caret.
    if (!HelpMode)
        BlinkTimer->start();
}

void ReactionLine::focusLeft()
{
    if (Frame)
        Frame->setFocused(false);
    BlinkTimer->stop();
    if (CaretShown)
        blink(); // erases the caret
}

int ReactionLine::positionAt(int x) const
{
    // The first boundary at or right of x: a click inside a character stands for the boundary
    // after it, a click right of the text for the end.
    const long long target = x + widthBefore(FirstVisible);
    const int count = int(CharWidths.size());
    int n = 0;
    long long before = 0;
    while (n < count && before < target)
        before += CharWidths[size_t(n++)];
    return n;
}

void ReactionLine::moveCaret(int pos, bool extend)
{
    if (extend && Anchor < 0)
        Anchor = CaretPos;
    else if (!extend)
        Anchor = -1;
    CaretPos = std::clamp(pos, 0, int(Document->reactionText().size()));
    LastRun = Run::None; // the next letter starts a step of its own
    scrollToCaret();
    draw();
}

void ReactionLine::pressAt(int x, bool extend)
{
    moveCaret(positionAt(x), extend);
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
    // Hiding the caret gives back the picture without it.
    Picture = Plain.copy();
    if (CaretShown) {
        // One pixel wide, from y = 1 to the line's height - 2 (excluded). Within a charge
        // (after its "^" and digits) the caret spans the raised charge only, so that moving
        // into the charge shows even where its invisible "^" leaves x unchanged.
        int top = 1;
        int bottom = Picture.height() - 3;
        if (ChargeOpenAt(Document->reactionText(),
                         size_t(std::clamp(CaretPos, 0, int(Document->reactionText().size()))))) {
            top = std::max(top, SuperscriptTop());
            bottom = std::min(bottom, SuperscriptTop() + SuperscriptHeight(Fonts) - 1);
        }
        QPainter painter(&Picture);
        painter.setPen(Qt::black);
        painter.drawLine(CaretX, top, CaretX, bottom);
    }
    update();
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
    const int count = int(Document->reactionText().size());
    CaretPos = std::clamp(CaretPos, 0, count);
    if (Anchor > count)
        Anchor = count;
    FirstVisible = std::clamp(FirstVisible, 0, CaretPos);
    // The line is as high as ReactionFont needs; its owner lays itself out around it.
    const int lineHeight = ReactionLineHeight(Fonts);
    if (height() != lineHeight)
        resize(width(), lineHeight);
    Picture = QImage(size(), QImage::Format_RGB32);
    Picture.fill(Qt::white);
    QPainter painter(&Picture);
    CharWidths = ::DrawReaction(painter, Document->reactionText(), Fonts, -widthBefore(FirstVisible),
                                lineHeight, PaletteOnGround(Qt::white, palette()));
    painter.end();
    paintExtras();
    Plain = Picture;
    // The drawing covered the caret; the next blink step paints it again.
    CaretShown = false;
    update();
    emit drawn();
    tellEditState();
}

void ReactionLine::paintExtras()
{
    QPainter painter(&Picture);
    if (hasSelection()) {
        // The selection's ground: the desktop's highlight, light enough that the drawn
        // characters keep their colours readable on it.
        const long long scroll = widthBefore(FirstVisible);
        const long long from = std::max(widthBefore(selectionStart()) - scroll, 0LL);
        const long long to = std::min(widthBefore(selectionEnd()) - scroll, (long long)width());
        QColor ground = palette().color(QPalette::Highlight);
        ground = QColor((ground.red() + 2 * 255) / 3, (ground.green() + 2 * 255) / 3,
                        (ground.blue() + 2 * 255) / 3);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        if (to > from)
            painter.fillRect(QRect(int(from), 0, int(to - from), Picture.height()), ground);
    } else if (Document->reactionText().empty()) {
        // The hint of an empty line, in the interface's language and direction, in grey.
        const Language lang = Document->language();
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.setFont(ToQFont(Document->fonts().ProgramFont));
        const bool farsi = lang == Language::Farsi;
        painter.setLayoutDirection(farsi ? Qt::RightToLeft : Qt::LeftToRight);
        painter.drawText(QRect(4, 0, Picture.width() - 8, Picture.height()),
                         Qt::AlignVCenter | Qt::AlignAbsolute | (farsi ? Qt::AlignRight : Qt::AlignLeft),
                         QString::fromUtf8(Texts::ReactionPlaceholder.In(lang)));
    }
}

void ReactionLine::tellEditState()
{
    const std::string& text = Document->reactionText();
    const int anchor = hasSelection() ? Anchor : -1;
    if (text == ToldText && CaretPos == ToldCaret && anchor == ToldAnchor)
        return;
    ToldText = text;
    ToldCaret = CaretPos;
    ToldAnchor = anchor;
    emit editStateChanged();
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
    painter.fillRect(0, 0, width(), height(), Qt::white);
    painter.drawImage(0, 0, Picture);
}

void ReactionLine::mousePressEvent(QMouseEvent* event)
{
    Pressed = true;
    pressAt(qRound(event->position().x()), event->modifiers() & Qt::ShiftModifier);
}

void ReactionLine::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging with the button down selects from where it went down.
    if (!Pressed || HelpMode || !(event->buttons() & Qt::LeftButton))
        return;
    const int pos = positionAt(qRound(event->position().x()));
    if (pos != CaretPos)
        moveCaret(pos, true);
}

void ReactionLine::mouseReleaseEvent(QMouseEvent* event)
{
    // Released over the line: a click.
    if (Pressed && QRect(QPoint(0, 0), size()).contains(event->position().toPoint()))
        click();
    Pressed = false;
}

void ReactionLine::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double-click selects the formula under it, its coefficient with it.
    if (HelpMode)
        return;
    const std::string& text = Document->reactionText();
    const int end = FormulaEndAfter(text, std::max(positionAt(qRound(event->position().x())) - 1, 0));
    setSelection(FormulaStartBefore(text, end), end);
    Pressed = true;
}

void ReactionLine::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (Frame)
        Frame->setGeometry(geometry().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
}

void ReactionLine::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (Frame)
        Frame->setGeometry(geometry().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
    draw();
}
