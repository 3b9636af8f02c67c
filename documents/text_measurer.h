#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>

#include <array>
#include <vector>

namespace vantorelle {

// Measures and wraps text in one font, in that font's units.
//
// A report has tens of thousands of short cells; shaping each one costs more
// than the rest of the layout together. Text of one line with no control
// character and nothing beyond Latin-1 is measured by summing cached character
// advances, and only text that does not fit that way goes through a full text
// layout.
class TextMeasurer {
public:
    explicit TextMeasurer(const QFont &font);

    qreal lineHeight() const { return lineHeight_; }
    qreal ascent() const { return ascent_; }

    // The width of one line of text as it is drawn.
    qreal width(const QString &line) const;

    // Appends to `lines` the lines of `text` broken at its line breaks (CR LF,
    // CR or LF) and wrapped to `width`: at word boundaries where it can, inside
    // a word that is wider than `width`. Text without characters gives one
    // empty line. Trailing spaces of a wrapped line are dropped.
    void wrap(const QString &text, qreal width, std::vector<QString> &lines) const;

private:
    bool fitsOnOneLine(const QString &text, qreal width) const;
    void wrapSegment(const QString &segment, qreal width, std::vector<QString> &lines) const;

    QFont font_;
    QFontMetricsF metrics_;
    qreal lineHeight_;
    qreal ascent_;
    // Advances of the printable Latin-1 characters; 0 marks the others.
    std::array<qreal, 256> advances_ {};
};

} // namespace vantorelle
