#pragma once

#include <QObject>
#include <QString>

#include <optional>

class QDropEvent;
class QLineEdit;

namespace vantorelle {

// The characters a text takes when stored: a line break is stored as CR LF.
int storedLength(const QString &text);

// A stretch of a text: `count` characters from `position`.
struct TextRange {
    int position = 0;
    int count = 0;
    bool operator==(const TextRange &) const = default;
};

// What a box keeps of the text a user's change brought.
struct KeptInsert {
    TextRange inserted; // the brought text, in the box's text after the change
    QString kept; // what of it stays
    QString leftOut; // the characters the table files cannot hold, each once
    bool refused = false; // characters were left out, or cut at the limit
};

// How a box takes a line break (CR, LF or CR LF) or a tab brought into it.
enum class Breaks {
    Kept, // a box of several lines
    // A box of one line, which shows either as a blank: each becomes a space,
    // but those that end the brought text go. A copied spreadsheet cell ends
    // in a line break, a cell copied from a row may end in a tab.
    AsSpace,
};

// What a box whose text is stored keeps of the user's change from `before` to
// `after`: the characters the table files (cp1252) can hold, and of those no
// more than `limit` stored characters (0: no limit). A text that was already
// longer (a stored value shown whole) may keep its length or shrink, never
// grow. `end`, when known (0 or more), is where the brought text ends in
// `after`, the cursor after an insert: the text past it followed the change
// too. Nothing when the whole change stays.
std::optional<KeptInsert> keptOfChange(const QString &before, const QString &after, int limit,
    Breaks breaks = Breaks::Kept, int end = -1);

// Tells the user that `box` refused some of their change, if it did: a beep; and when
// it lost characters the table files cannot hold (a paste, a drop: a typed one
// never reaches the box), one message box naming them, shown once the change
// is done.
void tellRefused(QObject *box, const KeptInsert &change);

// True, after a beep, when `event` is a key that types a character the table
// files cannot hold: a box whose text is stored takes no such key, as it takes
// no key past its size.
bool refusedKey(const QEvent *event);

// Keeps what the user types, pastes or drops into a one-line edit whose text
// is stored to what the table files can hold and to a field's size, a line
// break or a tab as a space (none at the end of the brought text), so that
// what is stored is what the edit shows; text the program sets is never cut.
// What is kept goes in as the user's own change would, one step of the edit's
// undo history that Ctrl+Z takes back. Text that comes any other way (through
// the accessibility interface) keeps what the table files can hold. Every
// such edit has one, limit 0 or not.
class TypingLimit : public QObject {
    Q_OBJECT
public:
    // The limit of `edit`, created on first use (0: no size limit).
    static TypingLimit *of(QLineEdit *edit);

    int limit() const { return limit_; }
    void setLimit(int limit) { limit_ = limit; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TypingLimit(QLineEdit *edit);
    // What the edit would keep of `brought` put in place of the `replaced`
    // characters from `position`.
    std::optional<KeptInsert> keptOfInsert(
        const QString &brought, int position, int replaced) const;
    // A drop whose text the edit would not keep whole: the kept text is dropped
    // in its place.
    bool dropKept(QDropEvent *drop);
    void onTextEdited(const QString &text);
    void onTextChanged();
    // Shows `text` with the brought part of `change` replaced by what is kept.
    void replace(const QString &text, const KeptInsert &change);

    QLineEdit *edit_;
    QString before_; // the text before the change being made
    int limit_ = 0;
};

} // namespace vantorelle
