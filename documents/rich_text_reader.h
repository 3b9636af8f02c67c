#pragma once

#include <QString>

class QTextDocument;

namespace vantorelle {

// Reads the RTF the program writes for its record views into a QTextDocument.
//
// Understood: groups, the font, colour and style tables and "\*" groups
// (skipped), \b and \b0, \fs<half points>, \tab, \line, \par, \pard, \tx<twips>,
// the escapes \\ \{ \} and \'hh (a Windows-1252 byte). Other control words and
// symbols are ignored, and raw CR and LF are not text, as in any RTF reader.
// Malformed input (unbalanced braces, a cut escape) is read as far as it goes.
class RichTextReader {
public:
    // Replaces the content of `document` with `rtf`.
    static void read(const QString &rtf, QTextDocument *document);

    // A distance in twips (1/1440 inch) in the layout units of `document`, for
    // tab stops: pixels at the DPI its text is laid out with.
    static qreal twipsToDocumentUnits(int twips, const QTextDocument *document);
};

} // namespace vantorelle
