#include <gtest/gtest.h>

#include "text/cp1252.h"

using namespace vantorelle;

TEST(Cp1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = Cp1252::toUnicode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Cp1252::fromUnicode(text), all);
    EXPECT_EQ(Cp1252::toStdString(text), all.toStdString());
    EXPECT_EQ(Cp1252::toUnicode(all.toStdString()), text);
    EXPECT_TRUE(Cp1252::canEncode(text));
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(Cp1252::toChar(char(b)), text[b]) << b;
}

TEST(Cp1252, BytesMapToTheirCharacters)
{
    struct Case {
        unsigned char byte;
        char16_t character;
    };
    const Case cases[] = {
        {0x41, u'A'},
        {0x0D, 0x000D},
        {0x7F, 0x007F},
        {0x80, u'€'},
        {0x85, u'…'},
        {0x8A, u'Š'},
        {0x92, u'’'},
        {0x96, u'–'},
        {0x99, u'™'},
        {0x9F, u'Ÿ'},
        {0xA0, 0x00A0},
        {0xE9, u'é'},
        {0xFF, u'ÿ'},
        // The five bytes cp1252 leaves undefined keep their number.
        {0x81, 0x0081},
        {0x8D, 0x008D},
        {0x8F, 0x008F},
        {0x90, 0x0090},
        {0x9D, 0x009D},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.byte));
        const QString text = Cp1252::toUnicode(QByteArray(1, char(c.byte)));
        EXPECT_EQ(text, QString(QChar(c.character)));
        EXPECT_EQ(Cp1252::fromUnicode(text), QByteArray(1, char(c.byte)));
    }
}

TEST(Cp1252, CharactersOutsideBecomeQuestionMarks)
{
    // Latin-1 controls that cp1252 puts elsewhere, Greek, a character outside
    // the basic plane (one "?", not two) and a lone surrogate.
    const QString text = QStringLiteral("a\u0080b\u03A9c") + QString::fromUcs4(U"\U0001F600")
        + QChar(0xD800) + QStringLiteral("é€");
    EXPECT_EQ(Cp1252::fromUnicode(text), QByteArray("a?b?c??\xE9\x80"));
    EXPECT_FALSE(Cp1252::canEncode(text));
}
