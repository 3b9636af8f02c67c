#pragma once

#include <QTextEdit>

namespace vantorelle {

// The read-only rich-text box of the record and provider views: it shows the
// RTF the program builds, a line per field, each a bold label, a tab and the
// value. The values of the record shown start in one column just right of its
// widest label, and a value that wraps or runs over several lines goes on
// under that column.
class RichTextView : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextView(QWidget *parent = nullptr);

    // Replaces the content with `rtf` (see RichTextReader for what is
    // understood) and lines its values up.
    void setRtf(const QString &rtf);

    // Where the values start, in document units from the left edge.
    qreal valueColumn() const { return valueColumn_; }

private:
    void alignValues();

    qreal valueColumn_ = 0;
};

} // namespace vantorelle
