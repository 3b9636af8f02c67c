#include "platform/text_box.h"

#include "platform/typing_limit.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

namespace vantorelle {

TextBox::TextBox(Lines lines, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (lines == Lines::One) {
        line_ = new QLineEdit(this);
        layout->addWidget(line_);
        connect(line_, &QLineEdit::textChanged, this, &TextBox::textChanged);
    } else {
        lines_ = new QPlainTextEdit(this);
        lines_->setTabChangesFocus(true);
        // Room for two lines however crowded the panel: a squeezed box would
        // show a sliver and hide what it holds.
        lines_->setMinimumHeight(lines_->fontMetrics().lineSpacing() * 2 + 2 * lines_->frameWidth()
            + int(lines_->document()->documentMargin() * 2));
        layout->addWidget(lines_);
        connect(lines_, &QPlainTextEdit::textChanged, this, &TextBox::onLinesChanged);
    }
    setFocusProxy(editor());
}

QString TextBox::text() const
{
    return line_ ? line_->text() : lines_->toPlainText();
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
    before_ = lines_->toPlainText();
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

void TextBox::onLinesChanged()
{
    if (!settingText_) {
        const QString after = lines_->toPlainText();
        if (const auto cut = typedBeyondLimit(before_, after, limit_)) {
            QApplication::beep();
            QTextCursor cursor(lines_->document());
            cursor.setPosition(cut->position);
            cursor.setPosition(cut->position + cut->count, QTextCursor::KeepAnchor);
            cursor.removeSelectedText(); // comes back here with a text that fits
            return;
        }
        before_ = after;
    }
    emit textChanged();
}

} // namespace vantorelle
