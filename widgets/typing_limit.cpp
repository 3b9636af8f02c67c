#include "widgets/typing_limit.h"

#include "platform/prompter.h"
#include "text/cp1252.h"

#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>

namespace vantorelle {

namespace {

// A character as a message names it: itself, or its code where it would show
// nothing or sit on its neighbour (a space, a format character, a mark).
QString characterName(char32_t code)
{
    switch (QChar::category(code)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
        return QStringLiteral("U+%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
    default:
        return QString::fromUcs4(&code, 1);
    }
}

// A line break (CR or LF) or a tab.
bool isBreak(QChar c)
{
    return c == u'\r' || c == u'\n' || c == u'\t';
}

// A key that types its text into a line edit, as the edit judges it: Ctrl,
// alone or with Shift, types nothing; Ctrl with Alt is AltGr on some keyboards.
bool typesText(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return !key->text().isEmpty()
        && (key->text().front().isPrint() || key->text().front().category() == QChar::Other_Format)
        && modifiers != Qt::ControlModifier
        && modifiers != (Qt::ControlModifier | Qt::ShiftModifier);
}

} // namespace

int storedLength(const QString &text)
{
    return int(text.size() + text.count(u'\n'));
}

std::optional<KeptInsert> keptOfChange(
    const QString &before, const QString &after, int limit, Breaks breaks, int end)
{
    // The brought text stands between what both texts begin and end with. Of
    // the ways to place it where its first or last characters repeat their
    // neighbours' ("5" pasted before a "5"), the one that ends at `end`.
    const int common = int(std::min(before.size(), after.size()));
    int suffix = 0;
    if (end >= 0 && end <= after.size()) {
        const int tail = int(after.size()) - end;
        if (tail <= common && QStringView(before).right(tail) == QStringView(after).right(tail))
            suffix = tail;
    }
    int prefix = 0;
    while (prefix < common - suffix && before[prefix] == after[prefix])
        ++prefix;
    while (suffix < common - prefix
        && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    KeptInsert change;
    change.inserted = {prefix, int(after.size()) - suffix - prefix};
    const QString brought = after.mid(prefix, change.inserted.count);
    QString taken = brought;
    if (breaks == Breaks::AsSpace) {
        while (!taken.isEmpty() && isBreak(taken.back()))
            taken.chop(1);
        taken.replace(QLatin1String("\r\n"), QLatin1String(" "));
        for (QChar &c : taken) {
            if (isBreak(c))
                c = u' ';
        }
    }
    for (char32_t code : taken.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        if (Cp1252::canEncode(character))
            change.kept += character;
        else if (!change.leftOut.contains(character))
            change.leftOut += character;
    }
    change.refused = !change.leftOut.isEmpty();
    if (limit > 0) {
        int excess = storedLength(after) - storedLength(brought) + storedLength(change.kept)
            - std::max(limit, storedLength(before));
        while (excess > 0 && !change.kept.isEmpty()) {
            excess -= change.kept.back() == u'\n' ? 2 : 1;
            change.kept.chop(1);
            change.refused = true;
        }
    }
    if (change.kept == brought)
        return std::nullopt;
    return change;
}

void tellRefused(QObject *box, const KeptInsert &change)
{
    if (!change.refused)
        return;
    QApplication::beep();
    if (change.leftOut.isEmpty())
        return;
    QStringList names;
    for (char32_t code : change.leftOut.toUcs4())
        names << characterName(code);
    const QString text
        = QStringLiteral("These characters cannot be stored in the records and were left out:")
        + QStringLiteral("\r\n\r\n") + names.join(u' ') + QStringLiteral("\r\n\r\n")
        + QStringLiteral("The records hold only Western European (Windows-1252) characters.");
    // After the change: a drop waits for its answer while its handler runs.
    QMetaObject::invokeMethod(
        box,
        [text] {
            prompter().ask(QStringLiteral("Characters Left Out"), text, Prompter::OkOnly,
                Prompter::Information);
        },
        Qt::QueuedConnection);
}

bool refusedKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const QString text = static_cast<const QKeyEvent *>(event)->text();
    if (text.isEmpty() || Cp1252::canEncode(text))
        return false;
    QApplication::beep();
    return true;
}

TypingLimit *TypingLimit::of(QLineEdit *edit)
{
    if (auto *limit = edit->findChild<TypingLimit *>(QString(), Qt::FindDirectChildrenOnly))
        return limit;
    return new TypingLimit(edit);
}

TypingLimit::TypingLimit(QLineEdit *edit)
    : QObject(edit)
    , edit_(edit)
    , before_(edit->text())
{
    // textEdited comes for the user's changes only, before textChanged. A cut
    // made in textEdited is followed by the textChanged of the uncut text:
    // the edit's own text is the one that counts.
    connect(edit, &QLineEdit::textEdited, this, &TypingLimit::onTextEdited);
    connect(edit, &QLineEdit::textChanged, this, &TypingLimit::onTextChanged);
    edit->installEventFilter(this);
    // An editable combo box keeps the focus and hands its keys to its edit
    // past the edit's filters.
    if (auto *combo = qobject_cast<QComboBox *>(edit->parent()); combo && combo->lineEdit() == edit)
        combo->installEventFilter(this);
}

bool TypingLimit::eventFilter(QObject *watched, QEvent *event)
{
    if (refusedKey(event))
        return true;
    switch (event->type()) {
    case QEvent::KeyPress:
        // A key past the size is refused before the edit takes it: cut
        // afterwards, it would take the typing before it out of the undo
        // history.
        if (const auto *key = static_cast<QKeyEvent *>(event); typesText(key)) {
            const bool selected = edit_->hasSelectedText();
            if (keptOfInsert(key->text(),
                    selected ? edit_->selectionStart() : edit_->cursorPosition(),
                    selected ? edit_->selectionLength() : 0)) {
                QApplication::beep();
                return true;
            }
        }
        break;
    case QEvent::Drop:
        if (watched == edit_ && dropKept(static_cast<QDropEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

std::optional<KeptInsert> TypingLimit::keptOfInsert(
    const QString &brought, int position, int replaced) const
{
    const QString before = edit_->text();
    const QString after = QString(before).replace(position, replaced, brought);
    return keptOfChange(before, after, limit_, Breaks::AsSpace, position + int(brought.size()));
}

bool TypingLimit::dropKept(QDropEvent *drop)
{
    // A drop may join the typing before it in one undo step, which taking
    // the drop back would undo too: the kept text is dropped in its place,
    // and the undo history holds it as it holds any drop.
    if (!drop->mimeData()->hasText() || edit_->isReadOnly())
        return false;
    const auto change = keptOfInsert(
        drop->mimeData()->text(), edit_->cursorPositionAt(drop->position().toPoint()), 0);
    if (!change)
        return false;
    QMimeData kept;
    kept.setText(change->kept);
    QDropEvent keptDrop(drop->position(), drop->possibleActions(), &kept, drop->buttons(),
        drop->modifiers(), drop->type());
    QCoreApplication::sendEvent(edit_, &keptDrop);
    drop->setDropAction(keptDrop.dropAction());
    drop->setAccepted(keptDrop.isAccepted());
    tellRefused(this, *change);
    return true;
}

void TypingLimit::onTextChanged()
{
    // Text set past the keys and the clipboard (an on-screen keyboard or a
    // dictation program writing through the accessibility interface) keeps
    // only what the tables hold too. Text the program sets, a stored value,
    // always passes, whatever its length.
    if (const auto change = keptOfChange(before_, edit_->text(), 0)) {
        replace(edit_->text(), *change);
        tellRefused(this, *change);
    }
    before_ = edit_->text();
}

void TypingLimit::onTextEdited(const QString &text)
{
    const auto change
        = keptOfChange(before_, text, limit_, Breaks::AsSpace, edit_->cursorPosition());
    if (!change)
        return;
    const QString before = before_;
    {
        // The edit's watchers see the change once, as it is kept.
        const QSignalBlocker quiet(edit_);
        // A paste is a step of its own in the undo history: taken back, it
        // leaves the text as it was, and what is kept goes in as the same
        // step, which Ctrl+Z undoes as a whole; what was typed before stays
        // a step before it.
        edit_->undo();
        if (edit_->text() == before) {
            edit_->setSelection(change->inserted.position,
                int(before.size() - text.size()) + change->inserted.count);
            edit_->insert(change->kept);
        } else {
            // A change that was no step of its own (an input method's).
            replace(text, *change);
        }
    }
    before_ = edit_->text();
    tellRefused(this, *change);
}

void TypingLimit::replace(const QString &text, const KeptInsert &change)
{
    const TextRange &brought = change.inserted;
    edit_->setText(QString(text).replace(brought.position, brought.count, change.kept));
    edit_->setCursorPosition(brought.position + int(change.kept.size()));
}

} // namespace vantorelle
