#include "widgets/typing_limit.h"

#include "platform/prompter.h"
#include "text/cp1252.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
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

} // namespace

int storedLength(const QString &text)
{
    return int(text.size() + text.count(u'\n'));
}

std::optional<KeptInsert> keptOfChange(
    const QString &before, const QString &after, int limit, Breaks breaks)
{
    // The brought text stands between what both texts begin and end with.
    const int common = int(std::min(before.size(), after.size()));
    int prefix = 0;
    while (prefix < common && before[prefix] == after[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < common - prefix
        && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    KeptInsert change;
    change.inserted = {prefix, int(after.size()) - suffix - prefix};
    const QString brought = after.mid(prefix, change.inserted.count);
    QString taken = brought;
    if (breaks == Breaks::AsSpace) {
        taken.replace(QLatin1String("\r\n"), QLatin1String(" "));
        for (QChar &c : taken) {
            if (c == u'\r' || c == u'\n' || c == u'\t')
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
    return refusedKey(event) || QObject::eventFilter(watched, event);
}

void TypingLimit::onTextChanged()
{
    // Text set past the keys and the clipboard (an on-screen keyboard or a
    // dictation program writing through the accessibility interface) keeps
    // only what the tables hold too. Text the program sets, a stored value,
    // always passes, whatever its length.
    keep(edit_->text(), 0, Breaks::Kept);
    before_ = edit_->text();
}

void TypingLimit::onTextEdited(const QString &text)
{
    keep(text, limit_, Breaks::AsSpace);
}

void TypingLimit::keep(const QString &text, int limit, Breaks breaks)
{
    const auto change = keptOfChange(before_, text, limit, breaks);
    if (!change)
        return;
    const TextRange &brought = change->inserted;
    edit_->setText(QString(text).replace(brought.position, brought.count, change->kept));
    edit_->setCursorPosition(brought.position + int(change->kept.size()));
    tellRefused(this, *change);
}

} // namespace vantorelle
