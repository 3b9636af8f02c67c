#include "widgets/text_box.h"

#include "widgets/typing_limit.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace vantorelle {

namespace {

// The document's text with LF line breaks, each character as it is held. The
// document's own plain text turns a no-break space, which the records hold,
// into a plain one.
QString heldText(const QTextDocument &document)
{
    QString text = document.toRawText();
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

} // namespace

TextBox::TextBox(Lines lines, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (lines == Lines::One) {
        line_ = new QLineEdit(this);
        TypingLimit::of(line_);
        layout->addWidget(line_);
        connect(line_, &QLineEdit::textChanged, this, &TextBox::textChanged);
    } else {
        lines_ = new QPlainTextEdit(this);
        lines_->setTabChangesFocus(true);
        lines_->installEventFilter(this);
        // Room for two lines however crowded the panel: a squeezed box would
        // show a sliver and hide what it holds.
        lines_->setMinimumHeight(lines_->fontMetrics().lineSpacing() * 2 + 2 * lines_->frameWidth()
            + int(lines_->document()->documentMargin() * 2));
        layout->addWidget(lines_);
        connect(lines_, &QPlainTextEdit::textChanged, this, &TextBox::onLinesChanged);
    }
}

QString TextBox::text() const
{
    return line_ ? line_->text() : heldText(*lines_->document());
}

void TextBox::setText(const QString &text)
{
    if (line_) {
        line_->setText(text);
        return;
    }
    settingText_ = true;
    lines_->setPlainText(text);
    settingText_ = false;
    before_ = heldText(*lines_->document());
}

int TextBox::maxLength() const
{
    return line_ ? TypingLimit::of(line_)->limit() : limit_;
}

void TextBox::setMaxLength(int limit)
{
    if (line_)
        TypingLimit::of(line_)->setLimit(limit);
    else
        limit_ = limit;
}

QWidget *TextBox::editor() const
{
    return line_ ? static_cast<QWidget *>(line_) : lines_;
}

bool TextBox::eventFilter(QObject *watched, QEvent *event)
{
    return refusedKey(event) || QWidget::eventFilter(watched, event);
}

// No Tab stop of its own (no focus proxy either, which Tab would stop at in
// the box's place): its edit is the stop. The focus given to the box goes on
// to the edit.
void TextBox::focusInEvent(QFocusEvent *event)
{
    editor()->setFocus(event->reason());
}

void TextBox::onLinesChanged()
{
    if (!settingText_) {
        const QString after = heldText(*lines_->document());
        if (const auto change = keptOfChange(before_, after, limit_)) {
            QTextCursor cursor(lines_->document());
            // One step with the change in the undo history: undoing it never
            // brings back what was refused.
            cursor.joinPreviousEditBlock();
            cursor.setPosition(change->inserted.position);
            cursor.setPosition(
                change->inserted.position + change->inserted.count, QTextCursor::KeepAnchor);
            cursor.insertText(change->kept);
            cursor.endEditBlock(); // comes back here with a text that is kept whole
            tellRefused(this, *change);
            return;
        }
        before_ = after;
    }
    emit textChanged();
}

} // namespace vantorelle
