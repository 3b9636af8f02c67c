#include "platform/typing_limit.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>

namespace vantorelle {

int storedLength(const QString &text)
{
    return int(text.size() + text.count(u'\n'));
}

std::optional<TextRange> typedBeyondLimit(const QString &before, const QString &after, int limit)
{
    int excess = storedLength(after) - std::max(limit, storedLength(before));
    if (limit <= 0 || excess <= 0)
        return std::nullopt;
    // The inserted text stands between what both texts begin and end with.
    const int common = int(std::min(before.size(), after.size()));
    int prefix = 0;
    while (prefix < common && before[prefix] == after[prefix])
        ++prefix;
    int suffix = 0;
    while (suffix < common - prefix
        && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const int end = int(after.size()) - suffix;
    int start = end;
    while (start > prefix && excess > 0) {
        --start;
        excess -= after[start] == u'\n' ? 2 : 1;
    }
    return TextRange {start, end - start};
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
    connect(edit, &QLineEdit::textChanged, this, [this] { before_ = edit_->text(); });
}

void TypingLimit::onTextEdited(const QString &text)
{
    const auto cut = typedBeyondLimit(before_, text, limit_);
    if (!cut)
        return;
    QApplication::beep();
    edit_->setText(QString(text).remove(cut->position, cut->count));
    edit_->setCursorPosition(cut->position);
}

} // namespace vantorelle
