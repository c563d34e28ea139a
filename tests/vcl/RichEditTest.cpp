#include "vcl/RichEdit.h"
#include "support/VclTesting.h"
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

TEST(RichEdit, StartsEditableWithoutScrollBarsOnTheWindowColour)
{
    TRichEdit rich(nullptr);
    EXPECT_FALSE(rich.ReadOnly());
    EXPECT_EQ(rich.Color(), clWindow);
    EXPECT_EQ(rich.Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(rich.Editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(rich.TabStop());
}

TEST(RichEdit, LoadsRtfReplacingWhatItShowed)
{
    TRichEdit rich(nullptr);
    rich.LoadRtf("{\\rtf1 old\\par}");
    rich.LoadRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}First {\\b\\cf1 bold}\\par Second}");
    EXPECT_EQ(rich.Text(), QStringLiteral("First bold\nSecond"));
    QTextCursor cursor(rich.Editor()->document()->firstBlock());
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 7);
    EXPECT_EQ(cursor.charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
}

TEST(RichEdit, ShowsItsColourAsTheBackgroundAndTakesReadOnlyAndScrollBars)
{
    TRichEdit rich(nullptr);
    rich.SetColor(0xDDDDDD);
    rich.SetReadOnly(true);
    rich.SetScrollBars(ssVertical);
    EXPECT_EQ(rich.Editor()->palette().color(QPalette::Base), QColor(0xDD, 0xDD, 0xDD));
    EXPECT_TRUE(rich.ReadOnly());
    EXPECT_TRUE(rich.Editor()->isReadOnly());
    EXPECT_EQ(rich.Editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(rich.Editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    rich.SetScrollBars(ssBoth);
    EXPECT_EQ(rich.Editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}
