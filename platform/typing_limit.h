#pragma once

#include <QObject>
#include <QString>

#include <optional>

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

// What the user's change from `before` to `after` brought beyond `limit`
// stored characters: the tail of the inserted text that must go, or nothing
// when the change fits. A text that was already longer (a stored value shown
// whole) may keep its length or shrink, never grow.
std::optional<TextRange> typedBeyondLimit(const QString &before, const QString &after, int limit);

// Keeps what the user types or pastes into a one-line edit within a field's
// size; text the program sets is never cut. Too much typed beeps, and a paste
// keeps what fits.
class TypingLimit : public QObject {
    Q_OBJECT
public:
    // The limit of `edit`, created on first use (0: none).
    static TypingLimit *of(QLineEdit *edit);

    int limit() const { return limit_; }
    void setLimit(int limit) { limit_ = limit; }

private:
    explicit TypingLimit(QLineEdit *edit);
    void onTextEdited(const QString &text);

    QLineEdit *edit_;
    QString before_; // the text before the change being made
    int limit_ = 0;
};

} // namespace vantorelle
