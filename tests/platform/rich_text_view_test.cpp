#include <gtest/gtest.h>

#include "platform/rich_text_reader.h"
#include "platform/rich_text_view.h"

#include <QTest>
#include <QTextBlock>

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

TEST(RichTextView, OneTabStopForEveryParagraph)
{
    RichTextView view;
    view.setRtf("{\\rtf1\\tx100\\tx200 \\b A:\\b0\\tab 1\\par\\pard \\b B:\\b0\\tab 2\\par C}");
    view.setTabStop(1350);

    const qreal expected = RichTextReader::twipsToDocumentUnits(1350, view.document());
    int blocks = 0;
    for (QTextBlock block = view.document()->begin(); block.isValid();
         block = block.next(), ++blocks) {
        const QList<QTextOption::Tab> tabs = block.blockFormat().tabPositions();
        ASSERT_EQ(tabs.size(), 1);
        EXPECT_DOUBLE_EQ(tabs[0].position, expected);
    }
    EXPECT_EQ(blocks, 3);
}
