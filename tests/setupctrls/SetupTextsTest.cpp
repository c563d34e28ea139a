#include "setupctrls/SetupTexts.h"
#include "support/VclTesting.h"
#include "vcl/RtfReader.h"
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// The help document's pieces in order; CompanyName and CardName stand for the settings.
enum class When { Always, Series, MultiPort, CardList };
struct Piece
{
    const char* Text;
    When Included;
};
const char* const CompanyName = "<company>";
const char* const CardName = "<card>";
const Piece HelpPieces[] = {
    {"{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 "
     "Verdana;}}"
     "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;"
     "\\red255\\green64\\blue64;}\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0\r\n{\\b ",
        When::Always},
    {CompanyName, When::Always},
    {" ", When::Always},
    {CardName, When::Always},
    {" Series", When::Series},
    {" Settings Program}\\par\\par\\fs24\r\n", When::Always},
    {"This program will help you configure the option jumpers and settings associated with this "
     "product. You should have the product in-hand when first using this program.\\par\\par\r\n",
        When::Always},
    {"{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and "
     "switches.\\par\\par\r\n",
        When::Always},
    {"{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard "
     "and optional features of the product family.\\par\\par\r\n",
        When::Always},
    {"{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require "
     "actually controlling the hardware device. Run this settings program again once the card is "
     "installed. ",
        When::Always},
    {"Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then "
     "perform the {\\cf3 calibration circles}.\\par\\par\r\n",
        When::Always},
    {"Mouse over the highlight circles to see configuration or information popups for {\\cf1 "
     "setup}, {\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its "
     "popup remain on-screen. ",
        When::Always},
    {"You can have all or as many of these popups onscreen at the same time as you "
     "desire.\\par\\par\r\n",
        When::Always},
    {"{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the "
     "configuration options for each port are handled identically; ",
        When::MultiPort},
    {"this program only shows the setup once, but you need to perform this setup for each group "
     "of options on your device.\\par\\par\r\n",
        When::MultiPort},
    {"To see a list of ", When::CardList},
    {CardName, When::CardList},
    {" cards installed, click \"Display ", When::CardList},
    {CardName, When::CardList},
    {" Cards Installed\" under the File menu.\\par\\par\r\n", When::CardList},
    {"}", When::Always},
};

QByteArray ExpectedDocument(const THelpTopics& topics)
{
    QByteArray expected;
    for (const Piece& piece : HelpPieces) {
        const bool included = piece.Included == When::Always
            || (piece.Included == When::Series && topics.bSeries)
            || (piece.Included == When::MultiPort && topics.MultiPort)
            || (piece.Included == When::CardList && topics.CardList);
        if (!included)
            continue;
        if (piece.Text == CompanyName)
            expected += topics.CompanyName.toLatin1();
        else if (piece.Text == CardName)
            expected += topics.CardName.toLatin1();
        else
            expected += piece.Text;
    }
    return expected;
}

} // namespace

class HelpDocumentPieces : public ::testing::TestWithParam<int>
{
};

TEST_P(HelpDocumentPieces, AreTheTablesPiecesInOrder)
{
    const int flags = GetParam();
    const THelpTopics topics {QStringLiteral("VARDO"), QStringLiteral("ZX-4410"), (flags & 1) != 0,
        (flags & 2) != 0, (flags & 4) != 0};
    EXPECT_EQ(HelpDocument(topics), ExpectedDocument(topics));
}

INSTANTIATE_TEST_SUITE_P(
    EveryCombination, HelpDocumentPieces, ::testing::Range(0, 8), [](const auto& info) {
        const int flags = info.param;
        return std::string(flags & 1 ? "Series" : "NoSeries")
            + (flags & 2 ? "MultiPort" : "SinglePort") + (flags & 4 ? "CardList" : "NoCardList");
    });

TEST(HelpDocument, ReadsAsWrittenOutForTheSettingsOfThisProgram)
{
    const QByteArray expected
        = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 "
          "Verdana;}}{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;"
          "\\red64\\green64"
          "\\blue255;\\red255\\green64\\blue64;}\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0\r\n"
          "{\\b VARDO ZX-4410 Series Settings Program}\\par\\par\\fs24\r\n"
          "This program will help you configure the option jumpers and settings associated with "
          "this product. You should have the product in-hand when first using this "
          "program.\\par\\par\r\n"
          "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and "
          "switches.\\par\\par\r\n"
          "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on "
          "standard and optional features of the product family.\\par\\par\r\n"
          "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require "
          "actually controlling the hardware device. Run this settings program again once the card "
          "is installed. Repeat the {\\cf1 setup circles} (using the same settings) to configure "
          "this program, then perform the {\\cf3 calibration circles}.\\par\\par\r\n"
          "Mouse over the highlight circles to see configuration or information popups for {\\cf1 "
          "setup}, {\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its "
          "popup remain on-screen. You can have all or as many of these popups onscreen at the "
          "same time as you desire.\\par\\par\r\n"
          "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the "
          "configuration options for each port are handled identically; this program only shows "
          "the setup once, but you need to perform this setup for each group of options on your "
          "device.\\par\\par\r\n"
          "To see a list of ZX-4410 cards installed, click \"Display ZX-4410 Cards Installed\" "
          "under the File menu.\\par\\par\r\n"
          "}";
    EXPECT_EQ(HelpDocument({QStringLiteral("VARDO"), QStringLiteral("ZX-4410"), true, true, true}),
        expected);
}

TEST(HelpDocument, KeepsTheBlankBeforeTheCardNameWithoutACompanyName)
{
    const QByteArray document
        = HelpDocument({String(), QStringLiteral("ZX-4410"), false, false, false});
    EXPECT_TRUE(document.contains("\r\n{\\b  ZX-4410 Settings Program}\\par"));
}

struct TitleRow
{
    const char* Settings;
    const char* CompanyName;
    const char* CardName;
    const char* Title; // the help document's first paragraph as read back
};

class HelpDocumentTitle : public ::testing::TestWithParam<TitleRow>
{
};

// The settings' texts are data: braces, backslashes and characters beyond ASCII read back as
// they were given instead of turning into RTF groups or control words.
TEST_P(HelpDocumentTitle, ReadsBackAsTheSettingsSay)
{
    const TitleRow& row = GetParam();
    QTextDocument document;
    LoadRtf(document,
        HelpDocument({QString::fromUtf8(row.CompanyName), QString::fromUtf8(row.CardName), true,
            false, false}));
    EXPECT_EQ(document.firstBlock().text(), QString::fromUtf8(row.Title));
}

INSTANTIATE_TEST_SUITE_P(Rows, HelpDocumentTitle,
    ::testing::Values(
        TitleRow {"Plain", "VARDO", "ZX-4410", "VARDO ZX-4410 Series Settings Program"},
        TitleRow {"RtfSpecials", "A{\\b}\\par", "ZX}{", "A{\\b}\\par ZX}{ Series Settings Program"},
        TitleRow {"BeyondAscii", "Müller – 株式会社", "ZX-4410 😀",
            "Müller – 株式会社 ZX-4410 😀 Series Settings Program"}),
    [](const auto& info) { return std::string(info.param.Settings); });

TEST(HelpDocument, WritesRtfSpecialsEscapedAndOtherCharactersByNumber)
{
    const QByteArray document
        = HelpDocument({QStringLiteral("a\\b{c}"), QString::fromUtf8("é€"), false, false, false});
    EXPECT_TRUE(document.contains("{\\b a\\\\b\\{c\\} \\u233?\\u8364? Settings Program}"));
}

TEST(SupportText, NamesTheMakerTwiceAndPlacesThePhraseInItsSentence)
{
    const String text
        = SupportText(QStringLiteral("VARDO"), QStringLiteral("weekdays 8-5 at 555-0100"));
    EXPECT_EQ(text,
        QStringLiteral(
            "There are several ways to get technical support. First and fastest is to skim "
            "the relevant sections of the manual. However, some questions require personal "
            "assistance, and VARDO stands ready to provide that help. You can call us "
            "weekdays 8-5 at 555-0100 for any of your product questions.\r\n\r\nIn order to "
            "provide the best and fastest support possible, we ask that you be at your "
            "computer when you call, and have the VARDO product manual and Software Master "
            "CD at hand."));
}

struct HeaderRow
{
    const char* Case;
    bool CardFound;
    bool bSeries;
    const char* Title;
};

class HeaderTitle : public ::testing::TestWithParam<HeaderRow>
{
};

TEST_P(HeaderTitle, NamesTheCard)
{
    const HeaderRow& row = GetParam();
    const String card = QStringLiteral("ZX-4410");
    EXPECT_EQ(row.CardFound ? SettingsTitle(card, row.bSeries) : NoCardTitle(card, row.bSeries),
        QString::fromLatin1(row.Title));
}

INSTANTIATE_TEST_SUITE_P(Rows, HeaderTitle,
    ::testing::Values(HeaderRow {"Series", true, true, "ZX-4410 Series Settings Program"},
        HeaderRow {"NoSeries", true, false, "ZX-4410 Settings Program"},
        HeaderRow {"NoCardSeries", false, true, "No ZX-4410 Series Card Found"},
        HeaderRow {"NoCardNoSeries", false, false, "No ZX-4410 Found"}),
    [](const auto& info) { return std::string(info.param.Case); });
