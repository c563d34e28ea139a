#include "setupctrls/HelpForm.h"
#include "setupctrls/PCIForm.h"
#include "setupctrls/SetupSupporter.h"
#include "setupctrls/SupporterHost.h"
#include "support/VclTesting.h"
#include "tornix/Tornix.h"
#include "tornix/TornixTesting.h"
#include "vcl/Button.h"
#include "vcl/Label.h"
#include "vcl/Memo.h"
#include "vcl/RichEdit.h"
#include "vcl/SysUtils.h"
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using SupporterTesting::SupporterHost;
using VclTesting::MessageBoxRecorder;
using VclTesting::ProcessEventsAndIdle;

namespace {

constexpr const char* MissingLibrary = "/nonexistent/libTORNIX.so";
constexpr int SeveralTicksMs = 350;

QStringList Strings(const std::vector<const char*>& texts)
{
    QStringList strings;
    for (const char* text : texts)
        strings.append(QString::fromLatin1(text));
    return strings;
}

// A host that describes its cards: the board driver comes from the library given.
class CardList : public SupporterHost
{
protected:
    CardList() { Tornix::ResetBoardDriverForTests(); }
    ~CardList() override
    {
        Tornix::OverrideLibraryPathForTests({});
        Tornix::ResetBoardDriverForTests();
    }

    void UseLibrary(const char* path) { Tornix::OverrideLibraryPathForTests(path); }

    // Answers each card index with the text of its own, empty beyond them.
    void AnswerCards(const QStringList& texts)
    {
        sup->OnGetCardString = [this, texts](TObject* sender, std::int32_t index) {
            EXPECT_EQ(sender, sup);
            asked.push_back(index);
            return index < texts.size() ? texts.at(index) : String();
        };
    }

    QStringList ListedLines() const { return sup->PCIForm()->PCIMemo()->Lines().ToStringList(); }

    std::vector<std::int32_t> asked;
};

struct ListingRow
{
    const char* Case;
    const char* Library;
    std::vector<const char*> Texts;
    bool bSeries;
    std::vector<const char*> Lines;
    const char* Header;
    bool DriverLoaded;
    int Asked; // card indexes asked for, 0 up
};

class Listing : public CardList, public ::testing::WithParamInterface<ListingRow>
{
};

} // namespace

TEST_P(Listing, ListsTheCardsTheDriverCountsAndTitlesTheHeader)
{
    const ListingRow& row = GetParam();
    UseLibrary(row.Library);
    AnswerCards(Strings(row.Texts));
    sup->SetbSeries(row.bSeries);
    sup->BuildWindows();
    EXPECT_EQ(ListedLines(), Strings(row.Lines));
    EXPECT_EQ(sup->HeaderLabel()->Caption(), QString::fromLatin1(row.Header));
    EXPECT_EQ(Tornix::DriverLoaded(), row.DriverLoaded);
    ASSERT_EQ(asked.size(), static_cast<std::size_t>(row.Asked));
    for (int i = 0; i < row.Asked; ++i)
        EXPECT_EQ(asked[i], i);
}

INSTANTIATE_TEST_SUITE_P(Rows, Listing,
    ::testing::Values(ListingRow {"TwoCards", TORNIX_STANDIN_FULL, {"A", "B"}, true, {"A", "B"},
                          "ZX-4410 Series Settings Program", true, 2},
        ListingRow {"LibraryLacksAnotherName", TORNIX_STANDIN_NO_RELOUTPORTDWORD, {"A", "B"}, true,
            {"A", "B"}, "ZX-4410 Series Settings Program", false, 2},
        ListingRow {"LibraryLacksTheCardCount", TORNIX_STANDIN_NO_GETNUMCARDS, {"A", "B"}, true,
            {"No Card Found"}, "No ZX-4410 Series Card Found", false, 0},
        ListingRow {"NoLibrary", MissingLibrary, {"A"}, true, {"No Card Found"},
            "No ZX-4410 Series Card Found", false, 0},
        ListingRow {"NoLibraryWithoutSeries", MissingLibrary, {"A"}, false, {"No Card Found"},
            "No ZX-4410 Found", false, 0},
        ListingRow {"ZeroCards", TORNIX_STANDIN_ZERO_CARDS, {"A"}, true, {"No Card Found"},
            "No ZX-4410 Series Card Found", true, 0},
        ListingRow {"NegativeCount", TORNIX_STANDIN_NEGATIVE_COUNT, {"A"}, true, {"No Card Found"},
            "No ZX-4410 Series Card Found", true, 0},
        ListingRow {"EveryTextEmpty", TORNIX_STANDIN_FULL, {"", ""}, true, {"No Card Found"},
            "No ZX-4410 Series Card Found", true, 2},
        // The huge count is bounded to 256 cards.
        ListingRow {"EmptyTextLeavesNoLine", TORNIX_STANDIN_HUGE_COUNT, {"A", "", "C"}, true,
            {"A", "C"}, "ZX-4410 Series Settings Program", true, 256}),
    [](const auto& info) { return std::string(info.param.Case); });

TEST_F(CardList, AsksForNoMoreThan256CardsWhateverTheDriverCounts)
{
    UseLibrary(TORNIX_STANDIN_HUGE_COUNT);
    sup->OnGetCardString = [this](TObject*, std::int32_t index) {
        asked.push_back(index);
        return QStringLiteral("Card %1").arg(index);
    };
    sup->BuildWindows();
    EXPECT_EQ(asked.size(), 256u);
    const QStringList lines = ListedLines();
    ASSERT_EQ(lines.size(), 256);
    EXPECT_EQ(lines.first(), QStringLiteral("Card 0"));
    EXPECT_EQ(lines.last(), QStringLiteral("Card 255"));
}

TEST_F(CardList, LoadsTheDriverOnceForGood)
{
    UseLibrary(TORNIX_STANDIN_FULL);
    AnswerCards({QStringLiteral("A"), QStringLiteral("B")});
    sup->BuildWindows();
    ASSERT_TRUE(Tornix::DriverLoaded());
    UseLibrary(MissingLibrary);
    Tornix::LoadBoardDriver();
    EXPECT_TRUE(Tornix::DriverLoaded());
    ASSERT_NE(Tornix::GetNumCards(), nullptr);
    EXPECT_EQ(Tornix::GetNumCards()(), 2);
}

TEST_F(CardList, ShowsTheListAtOnceBeforeTheHelpWindow)
{
    UseLibrary(TORNIX_STANDIN_FULL);
    AnswerCards({QStringLiteral("A"), QStringLiteral("B")});
    sup->BuildWindows();
    TPCIForm* list = sup->PCIForm();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Owner(), &main);
    EXPECT_EQ(list->Caption(), QStringLiteral("ZX-4410 Cards installed"));
    EXPECT_TRUE(list->Visible());
    EXPECT_FALSE(sup->HelpForm()->Visible());
    EXPECT_TRUE(sup->HelpForm()->HelpRich()->Text().contains(QStringLiteral(
        "To see a list of ZX-4410 cards installed, click \"Display ZX-4410 Cards Installed\" under "
        "the File menu.")));
    list->CloseButton()->Click();
    EXPECT_FALSE(list->Visible());
}

TEST_F(CardList, PutsItsEntryFirstInTheFirstFileMenu)
{
    UseLibrary(MissingLibrary);
    TMainMenu* menu
        = AddMenu({QStringLiteral("&Help"), QStringLiteral("&File"), QStringLiteral("&File")});
    TMenuItem* file = menu->Items()->Items(1);
    auto* exit = new TMenuItem(file);
    exit->SetCaption(QStringLiteral("&Exit"));
    file->Add(exit);
    AnswerCards({});
    sup->BuildWindows();

    ASSERT_EQ(file->Count(), 2);
    TMenuItem* entry = file->Items(0);
    EXPECT_EQ(entry->Name(), QStringLiteral("DisplayPCI"));
    EXPECT_EQ(entry->Caption(), QStringLiteral("Display ZX-4410 Cards Installed"));
    EXPECT_EQ(entry->Owner(), file);
    EXPECT_EQ(file->Items(1), exit);
    EXPECT_EQ(menu->Items()->Items(0)->Count(), 0);
    EXPECT_EQ(menu->Items()->Items(2)->Count(), 0);

    sup->PCIForm()->CloseButton()->Click();
    ASSERT_FALSE(sup->PCIForm()->Visible());
    entry->Click();
    EXPECT_TRUE(sup->PCIForm()->Visible());
    EXPECT_TRUE(sup->PCIForm()->Active());
}

TEST_F(CardList, NamesTheAlternativeCardInTheEntryAndTheWindow)
{
    UseLibrary(MissingLibrary);
    TMainMenu* menu = AddMenu({QStringLiteral("&File")});
    sup->SetUseCardNameB(true);
    AnswerCards({});
    sup->BuildWindows();
    ASSERT_EQ(menu->Items()->Items(0)->Count(), 1);
    EXPECT_EQ(menu->Items()->Items(0)->Items(0)->Caption(),
        QStringLiteral("Display ZX-4420 Cards Installed"));
    EXPECT_EQ(sup->PCIForm()->Caption(), QStringLiteral("ZX-4420 Cards installed"));
    EXPECT_EQ(sup->HeaderLabel()->Caption(), QStringLiteral("No ZX-4420 Series Card Found"));
}

TEST_F(CardList, MakesNoEntryInAFileMenuCaptionedWithoutTheAmpersand)
{
    UseLibrary(MissingLibrary);
    TMainMenu* menu = AddMenu({QStringLiteral("File")});
    AnswerCards({});
    sup->BuildWindows();
    EXPECT_EQ(menu->Items()->Items(0)->Count(), 0);
    ASSERT_NE(sup->PCIForm(), nullptr);
    EXPECT_TRUE(sup->PCIForm()->Visible());
}

// The error ends the build where it happened: the list window is up, the header has no text and
// the help window does not show itself.
TEST_F(CardList, AnErrorFromTheHostIsReportedAndEndsTheBuild)
{
    UseLibrary(TORNIX_STANDIN_FULL);
    sup->OnGetCardString = [](TObject*, std::int32_t) -> String {
        throw Exception(QStringLiteral("The card could not be read"));
    };
    MessageBoxRecorder boxes;
    Application->OnIdle = std::bind_front(&TSetupSupporter::FirstIdle, sup);
    ProcessEventsAndIdle();
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].Text, QStringLiteral("The card could not be read"));
    EXPECT_EQ(sup->HeaderLabel()->Caption(), String());
    EXPECT_FALSE(sup->HelpPending());
    EXPECT_TRUE(sup->PCIForm()->Visible());
    QTest::qWait(SeveralTicksMs);
    EXPECT_FALSE(sup->HelpForm()->Visible());
    EXPECT_EQ(boxes.Shown().size(), 1u);
}
