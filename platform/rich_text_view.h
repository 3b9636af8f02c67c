#pragma once

#include <QTextEdit>

namespace vantorelle {

// The read-only rich-text box of the record and provider views: it shows the
// RTF the program builds, and lines the values up at one tab stop after the
// bold labels.
class RichTextView : public QTextEdit {
    Q_OBJECT

public:
    explicit RichTextView(QWidget *parent = nullptr);

    // Replaces the content with `rtf` (see RichTextReader for what is understood).
    void setRtf(const QString &rtf);

    // Gives every paragraph exactly one tab stop, `twips` from its left edge.
    void setTabStop(int twips);
};

} // namespace vantorelle
