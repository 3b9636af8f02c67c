#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace vantorelle {

// A text box of an entry panel: one line, or several (the notes). Its limit
// holds what the user types or pastes to the characters the table files can
// hold and to the field's size, a line break counting two characters as it is
// stored; text the program sets is shown whole, so a stored value longer than
// its field is never cut by showing it.
class TextBox : public QWidget {
    Q_OBJECT
public:
    enum class Lines { One, Many };

    explicit TextBox(Lines lines, QWidget *parent = nullptr);

    bool isMultiLine() const { return lines_ != nullptr; }
    // Line breaks as LF.
    QString text() const;
    void setText(const QString &text);

    // 0: no size limit; the characters are held all the same.
    int maxLength() const;
    void setMaxLength(int limit);

    // The edit that takes the focus and the keys.
    QWidget *editor() const;

signals:
    // The text changed, by the user or by the program.
    void textChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void onLinesChanged();

    QLineEdit *line_ = nullptr;
    QPlainTextEdit *lines_ = nullptr;
    int limit_ = 0; // of the multi-line box; a line edit keeps its own
    QString before_; // multi-line: the text before the change being made
    bool settingText_ = false;
};

} // namespace vantorelle
