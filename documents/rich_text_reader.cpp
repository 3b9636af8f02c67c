#include "documents/rich_text_reader.h"

#include "text/cp1252.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QList>
#include <QPaintDevice>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <climits>

namespace vantorelle {

namespace {

// RichEdit's limit; a wild \fs must not ask the font engine for giant glyphs.
constexpr int maxHalfPoints = 2 * 1638;

// What a group carries: opening a brace saves it, closing restores it.
struct GroupState {
    bool skip = false; // inside a table or other destination that is not text
    bool bold = false;
    int halfPoints = 0; // 0: the document's default size
    QList<int> tabStops; // twips
};

class Parser {
public:
    Parser(const QString &rtf, QTextDocument *document)
        : rtf_(rtf)
        , document_(document)
        , cursor_(document)
    {
    }

    void run()
    {
        while (pos_ < rtf_.size()) {
            const QChar c = rtf_.at(pos_++);
            if (c == u'{') {
                flush();
                groups_.append(state_);
            } else if (c == u'}') {
                flush();
                if (!groups_.isEmpty()) // an unmatched close is ignored
                    state_ = groups_.takeLast();
            } else if (c == u'\\') {
                readControl();
            } else if (c != u'\r' && c != u'\n') {
                addText(c);
            }
        }
        flush();
    }

private:
    void readControl()
    {
        if (pos_ >= rtf_.size())
            return; // a trailing backslash escapes nothing
        const QChar c = rtf_.at(pos_);
        if (isAsciiLetter(c)) {
            readControlWord();
            return;
        }
        ++pos_;
        if (c == u'\\' || c == u'{' || c == u'}')
            addText(c);
        else if (c == u'\'')
            readHexByte();
        else if (c == u'*')
            state_.skip = true; // we know no optional destination
    }

    void readControlWord()
    {
        const qsizetype start = pos_;
        while (pos_ < rtf_.size() && isAsciiLetter(rtf_.at(pos_)))
            ++pos_;
        const QString word = rtf_.mid(start, pos_ - start);

        bool hasParameter = false;
        bool negative = false;
        long long value = 0;
        if (pos_ < rtf_.size() && rtf_.at(pos_) == u'-' && pos_ + 1 < rtf_.size()
            && isAsciiDigit(rtf_.at(pos_ + 1))) {
            negative = true;
            ++pos_;
        }
        for (int digits = 0; pos_ < rtf_.size() && isAsciiDigit(rtf_.at(pos_)); ++pos_) {
            hasParameter = true;
            if (++digits <= 10) // further digits are read but do not count
                value = value * 10 + rtf_.at(pos_).unicode() - u'0';
        }
        if (pos_ < rtf_.size() && rtf_.at(pos_) == u' ')
            ++pos_; // the delimiting space belongs to the word
        const int parameter
            = int(std::clamp<long long>(negative ? -value : value, INT_MIN, INT_MAX));

        controlWord(word, hasParameter, parameter);
    }

    void controlWord(const QString &word, bool hasParameter, int parameter)
    {
        if (word == u"fonttbl" || word == u"colortbl" || word == u"stylesheet" || word == u"info") {
            state_.skip = true;
            return;
        }
        if (state_.skip)
            return;
        if (word == u"b") {
            flush();
            state_.bold = !hasParameter || parameter != 0;
        } else if (word == u"fs") {
            flush();
            state_.halfPoints = std::clamp(hasParameter ? parameter : 24, 1, maxHalfPoints);
        } else if (word == u"tab") {
            addText(u'\t');
        } else if (word == u"line") {
            addText(QChar::LineSeparator);
        } else if (word == u"par") {
            flush();
            cursor_.insertBlock(blockFormat());
        } else if (word == u"pard") {
            state_.tabStops.clear();
            cursor_.setBlockFormat(blockFormat());
        } else if (word == u"tx" && hasParameter && parameter >= 0) {
            state_.tabStops.append(parameter);
            cursor_.setBlockFormat(blockFormat());
        }
    }

    // \'hh: one code-page byte. Without two hex digits the escape is dropped and
    // whatever follows is read as text.
    void readHexByte()
    {
        if (pos_ + 2 > rtf_.size())
            return;
        const int high = hexValue(rtf_.at(pos_));
        const int low = hexValue(rtf_.at(pos_ + 1));
        if (high < 0 || low < 0)
            return;
        pos_ += 2;
        addText(Cp1252::toChar(char(high * 16 + low)));
    }

    void addText(QChar c)
    {
        if (!state_.skip)
            pending_.append(c);
    }

    void flush()
    {
        if (pending_.isEmpty())
            return;
        QTextCharFormat format;
        format.setFontWeight(state_.bold ? QFont::Bold : QFont::Normal);
        if (state_.halfPoints > 0)
            format.setFontPointSize(state_.halfPoints / 2.0);
        cursor_.insertText(pending_, format);
        pending_.clear();
    }

    QTextBlockFormat blockFormat() const
    {
        QList<QTextOption::Tab> tabs;
        for (int twips : state_.tabStops)
            tabs.append(QTextOption::Tab(
                RichTextReader::twipsToDocumentUnits(twips, document_), QTextOption::LeftTab));
        QTextBlockFormat format;
        format.setTabPositions(tabs);
        return format;
    }

    static bool isAsciiLetter(QChar c)
    {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    }
    static bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
    static int hexValue(QChar c)
    {
        if (isAsciiDigit(c))
            return c.unicode() - u'0';
        if (c >= u'a' && c <= u'f')
            return c.unicode() - u'a' + 10;
        if (c >= u'A' && c <= u'F')
            return c.unicode() - u'A' + 10;
        return -1;
    }

    const QString &rtf_;
    QTextDocument *document_;
    QTextCursor cursor_;
    qsizetype pos_ = 0;
    GroupState state_;
    QList<GroupState> groups_;
    QString pending_;
};

} // namespace

void RichTextReader::read(const QString &rtf, QTextDocument *document)
{
    document->clear();
    Parser(rtf, document).run();
}

qreal RichTextReader::twipsToDocumentUnits(int twips, const QTextDocument *document)
{
    // A document without a paint device is laid out at the screen's logical DPI,
    // the same DPI that turns its point sizes into pixels.
    qreal dpi = 96;
    if (const QPaintDevice *device = document->documentLayout()->paintDevice())
        dpi = device->logicalDpiX();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        dpi = qRound(screen->logicalDotsPerInchX());
    return twips * dpi / 1440.0;
}

} // namespace vantorelle
