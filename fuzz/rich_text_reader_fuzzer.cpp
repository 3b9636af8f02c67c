// The rich-text reader: any text reads without a crash or a hang, and a field
// line as the record views build it reads back to its label in bold, a tab and
// its value as the view shows it. Input: a choice, then either any text, or a
// label and a value (cp1252 bytes, as stored) made into a field line by the
// views' own field builder.
#include "fuzz_support.h"
#include "qt_allocation_stacks.h"

#include "documents/rich_text_reader.h"
#include "documents/rtf_field.h"
#include "text/cp1252.h"

#include <QFont>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <string_view>

using namespace vantorelle;

namespace {

// What the view shows of a text: a CR LF is a line break and a tab, a lone CR
// or LF nothing (raw line ends are not text in RTF).
QString shown(std::string_view text)
{
    QString out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += QChar::LineSeparator;
            out += u'\t';
            ++i;
        } else if (text[i] != '\r' && text[i] != '\n') {
            out += Cp1252::toChar(text[i]);
        }
    }
    return out;
}

// The document's text, and the part of it in bold.
struct Read {
    QString text, bold;
};

Read readBack(const QTextDocument &document)
{
    Read read;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            read.text += QChar::ParagraphSeparator;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            read.text += fragment.text();
            if (fragment.charFormat().fontWeight() == QFont::Bold)
                read.bold += fragment.text();
        }
    }
    return read;
}

} // namespace

// Fontconfig's patterns, loaded once for the application's font database, are
// not freed before exit: no leak of the reader.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Documents need fonts, fonts an application; no display is used. It is
    // never destroyed: at exit Qt's own globals would already be gone.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static const QGuiApplication *application = new QGuiApplication(*argc, *argv);
    (void)application;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    QTextDocument document;
    if (!input.ConsumeBool()) {
        RichTextReader::read(Cp1252::toUnicode(input.ConsumeRemainingBytesAsString()), &document);
        return 0;
    }

    const std::string label = input.ConsumeRandomLengthString(60);
    const std::string value = input.ConsumeRemainingBytesAsString();
    const std::string rtf
        = std::string(recordViewHeader) + rtfField(label, value) + std::string(recordViewEnd);
    RichTextReader::read(Cp1252::toUnicode(rtf), &document);

    const Read read = readBack(document);
    if (value.empty()) {
        FUZZ_CHECK(read.text.isEmpty());
        return 0;
    }
    const QString labelShown = shown(label) + u':';
    FUZZ_CHECK(read.text == labelShown + u'\t' + shown(value) + QChar::LineSeparator);
    FUZZ_CHECK(read.bold == labelShown);
    return 0;
}
