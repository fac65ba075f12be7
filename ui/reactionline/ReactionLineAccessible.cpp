// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reactionline/ReactionLineAccessible.h"

#include "texts/SpokenReaction.h"
#include "ui/reactionline/ReactionLine.h"

#include <algorithm>
#include <map>

namespace {
// The line itself, around its key box: a frame that says nothing, so that the line's name
// and hint are heard once, from the key box.
class LineFrame : public QAccessibleWidget
{
  public:
    explicit LineFrame(QWidget* line) : QAccessibleWidget(line, QAccessible::Client) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name || t == QAccessible::Description ? QString()
                                                                       : QAccessibleWidget::text(t);
    }
};

// The line's frame, and its key box: the focus holder the line makes and names.
QAccessibleInterface* CreateForLine(const QString&, QObject* object)
{
    if (auto* frame = qobject_cast<ReactionLine*>(object))
        return new LineFrame(frame);
    auto* line = qobject_cast<ReactionLine*>(object ? object->parent() : nullptr);
    if (!line || object->objectName() != QLatin1String("keyBox"))
        return nullptr;
    return new ReactionLineAccessible(static_cast<QWidget*>(object), line);
}

// Where the word that begins at a character's start is: past the blank that parts it from
// the word before. A caret stands there, so that the word after it is what it is on.
int WordStart(const QString& spoken, int start)
{
    return start < int(spoken.size()) && spoken[start] == QLatin1Char(' ') ? start + 1 : start;
}

// The key boxes a screen reader asked for, with their interfaces: only they are followed.
std::map<const QObject*, ReactionLineAccessible*>& Made()
{
    static std::map<const QObject*, ReactionLineAccessible*> made;
    return made;
}
} // namespace

ReactionLineAccessible::ReactionLineAccessible(QWidget* keyBox, ReactionLine* line)
    : QAccessibleWidget(keyBox, QAccessible::EditableText), Line(line), KeyBox(keyBox), Heard(spoken()),
      HeardCaret(cursorPosition())
{
    Made()[keyBox] = this;
    Following = QObject::connect(line, &ReactionLine::drawn, keyBox, [keyBox] { Follow(keyBox); });
}

ReactionLineAccessible::~ReactionLineAccessible()
{
    // Qt deletes the interface as its key box goes, when object() is null already.
    Made().erase(KeyBox);
    QObject::disconnect(Following);
}

void ReactionLineAccessible::InstallFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CreateForLine);
        return true;
    }();
    (void)installed;
}

void ReactionLineAccessible::Follow(QWidget* keyBox)
{
    // Nobody asked for the line yet: there is nobody to tell.
    const auto made = Made().find(keyBox);
    if (made == Made().end())
        return;
    ReactionLineAccessible* self = made->second;
    const QString now = self->spoken();
    const int caret = self->cursorPosition();
    if (now != self->Heard) {
        QAccessibleTextUpdateEvent textChanged(keyBox, 0, self->Heard, now);
        textChanged.setCursorPosition(caret);
        self->Heard = now;
        self->HeardCaret = caret;
        QAccessible::updateAccessibility(&textChanged);
    } else if (caret != self->HeardCaret) {
        self->HeardCaret = caret;
        QAccessibleTextCursorEvent caretMoved(keyBox, caret);
        QAccessible::updateAccessibility(&caretMoved);
    }
    std::pair<int, int> selected;
    self->selection(0, &selected.first, &selected.second);
    if (selected != self->HeardSelection) {
        self->HeardSelection = selected;
        QAccessibleTextSelectionEvent selectionChanged(keyBox, selected.first, selected.second);
        selectionChanged.setCursorPosition(caret);
        QAccessible::updateAccessibility(&selectionChanged);
    }
}

QString ReactionLineAccessible::spoken(std::vector<int>* starts) const
{
    QString text;
    if (starts)
        starts->clear();
    for (const std::string& piece : SpokenPieces(Line->text(), Line->language())) {
        if (starts)
            starts->push_back(int(text.size()));
        text += QString::fromStdString(piece);
    }
    if (starts)
        starts->push_back(int(text.size()));
    return text;
}

int ReactionLineAccessible::characterAt(int offset) const
{
    std::vector<int> starts;
    spoken(&starts);
    // The last character whose words begin at or before the offset; a silent character
    // (an electron's "^-") shares its start with the one after and is passed over.
    const auto after = std::upper_bound(starts.begin(), starts.end() - 1, offset);
    return std::max(0, int(after - starts.begin()) - 1);
}

QAccessible::State ReactionLineAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.focusable = true;
    state.invisible = !Line->isVisible();
    return state;
}

QString ReactionLineAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return Line->accessibleName();
    case QAccessible::Description:
        return Line->accessibleDescription().isEmpty() ? Line->toolTip() : Line->accessibleDescription();
    case QAccessible::Value:
        return spoken();
    default:
        return QString();
    }
}

QRect ReactionLineAccessible::rect() const
{
    return QRect(Line->mapToGlobal(QPoint(0, 0)), Line->size());
}

void* ReactionLineAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

int ReactionLineAccessible::spokenOffset(int pos) const
{
    std::vector<int> starts;
    const QString all = spoken(&starts);
    return WordStart(all, starts[size_t(std::clamp(pos, 0, int(starts.size()) - 1))]);
}

int ReactionLineAccessible::linePosition(int offset) const
{
    // An offset inside a character's words stands before that character.
    std::vector<int> starts;
    spoken(&starts);
    return offset >= starts.back() ? int(starts.size()) - 1 : characterAt(offset);
}

void ReactionLineAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = Line->hasSelection() ? spokenOffset(Line->selectionStart()) : 0;
    *endOffset = Line->hasSelection() ? spokenOffset(Line->selectionEnd()) : 0;
}

int ReactionLineAccessible::selectionCount() const
{
    return Line->hasSelection() ? 1 : 0;
}

void ReactionLineAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ReactionLineAccessible::removeSelection(int)
{
    Line->setCaretPos(Line->caretPos());
}

void ReactionLineAccessible::setSelection(int, int startOffset, int endOffset)
{
    Line->setSelection(linePosition(startOffset), linePosition(endOffset));
}

int ReactionLineAccessible::cursorPosition() const
{
    return spokenOffset(Line->caretPos());
}

void ReactionLineAccessible::setCursorPosition(int position)
{
    Line->setCaretPos(linePosition(position));
}

QString ReactionLineAccessible::text(int startOffset, int endOffset) const
{
    const QString all = spoken();
    startOffset = std::clamp(startOffset, 0, int(all.size()));
    endOffset = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, startOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int ReactionLineAccessible::characterCount() const
{
    return int(spoken().size());
}

QRect ReactionLineAccessible::characterRect(int offset) const
{
    // The drawn character whose words hold the offset; the words of one character share
    // its box.
    const int n = characterAt(offset);
    const std::vector<int>& widths = Line->charWidths();
    const long long left = Line->widthBefore(n) - Line->widthBefore(Line->firstVisible());
    const int width = n < int(widths.size()) ? widths[size_t(n)] : 1;
    const QRect box(int(std::clamp(left, -(1LL << 20), 1LL << 20)), 0, width, Line->height());
    return QRect(Line->mapToGlobal(box.topLeft()), box.size());
}

int ReactionLineAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = Line->mapFromGlobal(point);
    if (!Line->rect().contains(local))
        return -1;
    const std::vector<int>& widths = Line->charWidths();
    const long long target = local.x() + Line->widthBefore(Line->firstVisible());
    int n = 0;
    long long right = 0;
    while (n < int(widths.size()) && right + widths[size_t(n)] <= target)
        right += widths[size_t(n++)];
    std::vector<int> starts;
    const QString all = spoken(&starts);
    return WordStart(all, starts[size_t(std::min(n, int(starts.size()) - 1))]);
}

QString ReactionLineAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                                             int* endOffset) const
{
    if (type != QAccessible::CharBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, type, startOffset, endOffset);
    // A drawn character is heard as its word ("plus" for "+"), so a screen reader that reads
    // the character after the caret as it moves says the word.
    std::vector<int> starts;
    const QString all = spoken(&starts);
    if (offset < 0 || offset >= int(all.size())) {
        *startOffset = *endOffset = std::clamp(offset, 0, int(all.size()));
        return QString();
    }
    const int n = characterAt(offset);
    *startOffset = WordStart(all, starts[size_t(n)]);
    *endOffset = starts[size_t(n) + 1];
    return all.mid(*startOffset, *endOffset - *startOffset);
}

QString ReactionLineAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One run of text without attributes of its own.
    *startOffset = 0;
    *endOffset = std::max(characterCount(), offset);
    return QString();
}
