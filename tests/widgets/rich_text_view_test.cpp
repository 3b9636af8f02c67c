#include <gtest/gtest.h>

#include "support/value_starts.h"
#include "widgets/rich_text_view.h"

#include <QFontMetricsF>
#include <QTest>

using namespace vantorelle;

TEST(RichTextView, ShowsTheRtfReadOnly)
{
    RichTextView view;
    view.setRtf("{\\rtf1\\ansi \\b Name:\\b0\\tab Ann\\line}");
    EXPECT_EQ(view.toPlainText(), "Name:\tAnn\n");

    view.show();
    view.setFocus();
    view.moveCursor(QTextCursor::End);
    QTest::keyClicks(&view, "typed");
    QTest::keyClick(&view, Qt::Key_Backspace);
    EXPECT_EQ(view.toPlainText(), "Name:\tAnn\n");
}

namespace {

qreal boldWidth(const QTextEdit &view, const QString &text)
{
    QFont bold = view.document()->defaultFont();
    bold.setBold(true);
    return QFontMetricsF(bold).horizontalAdvance(text);
}

} // namespace

TEST(RichTextView, ValuesStartInOneColumnJustRightOfTheWidestLabel)
{
    RichTextView view;
    view.resize(600, 300);
    view.show();
    view.setRtf("{\\rtf1\\ansi \\b Pwr of Attorney:\\b0\\tab John\\line"
                "\\b Will:\\b0\\tab Yes\\line\\b Notes:\\b0\\tab x\\line}");
    EXPECT_EQ(view.toPlainText(), "Pwr of Attorney:\tJohn\nWill:\tYes\nNotes:\tx\n");
    const QList<qreal> starts = valueStarts(view.document());
    ASSERT_EQ(starts.size(), 3);
    EXPECT_EQ(starts.count(starts.front()), 3);
    const qreal widest = boldWidth(view, "Pwr of Attorney:");
    EXPECT_GT(starts.front(), widest);
    EXPECT_LT(starts.front(), widest + boldWidth(view, "MMM"));

    // Another record with short labels only: its column stands further left.
    view.setRtf("{\\rtf1\\ansi \\b Will:\\b0\\tab Yes\\line\\b Notes:\\b0\\tab x\\line}");
    const QList<qreal> shortLabels = valueStarts(view.document());
    ASSERT_EQ(shortLabels.size(), 2);
    EXPECT_EQ(shortLabels.count(shortLabels.front()), 2);
    EXPECT_GT(shortLabels.front(), boldWidth(view, "Notes:"));
    EXPECT_LT(shortLabels.front(), starts.front());
}

TEST(RichTextView, AWrappedValueAndItsLaterLinesGoOnUnderTheColumn)
{
    RichTextView view;
    view.resize(220, 300);
    view.show();
    view.setRtf("{\\rtf1\\ansi \\b Instructions:\\b0\\tab take one tablet with water every "
                "morning before breakfast\\line\\tab and one at night\\line"
                "\\b Dose:\\b0\\tab 5 mg\\line}");
    EXPECT_EQ(view.toPlainText(),
        "Instructions:\ttake one tablet with water every morning before breakfast\n"
        "\tand one at night\nDose:\t5 mg\n");
    const QList<qreal> starts = valueStarts(view.document());
    ASSERT_GT(starts.size(), 4); // the first value wraps at least once
    EXPECT_EQ(starts.count(starts.front()), starts.size());
}
