#include "setupctrls/RadioPanel.h"
#include <gtest/gtest.h>

TEST(RadioPanel, StartsHiddenFlatAndEmpty)
{
    TRadioPanel panel(nullptr);
    EXPECT_EQ(panel.Width(), 194);
    EXPECT_EQ(panel.Height(), 100);
    EXPECT_FALSE(panel.Visible());
    EXPECT_EQ(panel.BevelOuter(), bvNone);
    EXPECT_EQ(panel.MemoHeight(), 58);
    EXPECT_EQ(panel.Lines().Count(), 0);
    EXPECT_EQ(panel.Caption(), QString());
    EXPECT_EQ(panel.Anchors(), akLeft | akTop);
    EXPECT_FALSE(panel.RadioEnabled());
}

TEST(RadioPanel, SettingLinesCopiesIntoTheSameList)
{
    TRadioPanel panel(nullptr);
    TStrings* own = &panel.Lines();
    TStringList given({QStringLiteral("one"), QStringLiteral("two")});
    panel.SetLines(given);
    given.Put(0, QStringLiteral("changed"));
    EXPECT_EQ(&panel.Lines(), own);
    EXPECT_EQ(panel.Lines().ToStringList(), (QStringList {"one", "two"}));
}

TEST(RadioPanel, FinalAnchorsActOnlyOnceThePanelIsInAPopup)
{
    TRadioPanel panel(nullptr);
    panel.SetFinalAnchors(akLeft | akTop | akRight);
    EXPECT_EQ(panel.Anchors(), akLeft | akTop);
    panel.SetInPopup();
    EXPECT_EQ(panel.Anchors(), akLeft | akTop) << "taking the panel in applies them, not the flag";
    panel.SetFinalAnchors(akLeft | akTop | akRight | akBottom);
    EXPECT_EQ(panel.Anchors(), akLeft | akTop | akRight | akBottom);
    EXPECT_EQ(panel.FinalAnchors(), akLeft | akTop | akRight | akBottom);
}
