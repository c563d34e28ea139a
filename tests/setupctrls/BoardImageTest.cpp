#include "setupctrls/BoardImage.h"
#include "support/VclTesting.h"
#include "vcl/Form.h"
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

using VclTesting::PixelAt;
using VclTesting::Render;

namespace {
// A picture of one colour in the given size.
std::unique_ptr<TPicture> SolidPicture(int width, int height, TColor color)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Canvas().Brush().SetColor(color);
    bitmap->Canvas().FillRect(Rect(0, 0, width, height));
    auto picture = std::make_unique<TPicture>();
    picture->SetGraphic(std::move(bitmap));
    return picture;
}

// Counts its paints, to see whether a setter asked for one.
class CountingBoardImage : public TBoardImage
{
public:
    using TBoardImage::TBoardImage;
    void Paint() override
    {
        ++paints;
        TBoardImage::Paint();
    }
    int paints = 0;
};

struct BoardFixture : ::testing::Test
{
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TBoardImage* board = new TBoardImage(form.get());
    BoardFixture()
    {
        board->SetParent(form.get());
        board->SetBounds(118, 122, 600, 409);
        board->SetAutoSize(false);
    }
};
} // namespace

using BoardImage = BoardFixture;

TEST_F(BoardImage, StartsAsItsConstructorSays)
{
    TBoardImage fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 105);
    EXPECT_EQ(fresh.Height(), 105);
    EXPECT_TRUE(fresh.AutoSize());
    EXPECT_TRUE(fresh.Scale());
    EXPECT_TRUE(fresh.CenterOnForm());
    EXPECT_FALSE(fresh.Stretch());
    EXPECT_DOUBLE_EQ(fresh.AspectRatio(), 1.0);
    EXPECT_EQ(fresh.Color(), clBtnFace);
}

struct CentringRow
{
    int parentWidth, parentHeight, left, top;
};
void PrintTo(const CentringRow& row, std::ostream* out)
{
    *out << row.parentWidth << "x" << row.parentHeight;
}

class Centring : public BoardFixture, public ::testing::WithParamInterface<CentringRow>
{
};

TEST_P(Centring, UsesTheParentsOuterSizeAndTruncatesTowardZero)
{
    form->SetBounds(0, 0, GetParam().parentWidth, GetParam().parentHeight);
    Render(board);
    EXPECT_EQ(board->Left(), GetParam().left);
    EXPECT_EQ(board->Top(), GetParam().top);
    EXPECT_EQ(board->DesignLeft(), 118);
    EXPECT_EQ(board->DesignTop(), 122);
}

INSTANTIATE_TEST_SUITE_P(Table, Centring,
    ::testing::Values(CentringRow {1032, 776, 216, 183}, CentringRow {579, 400, -10, -4},
        CentringRow {600, 409, 0, 0}));

TEST_F(BoardImage, DesignPositionIsTheOneOfTheFirstPaintForGood)
{
    form->SetBounds(0, 0, 1032, 776);
    Render(board);
    board->SetBounds(5, 6, 600, 409);
    form->SetBounds(0, 0, 900, 700);
    Render(board);
    EXPECT_EQ(board->DesignLeft(), 118);
    EXPECT_EQ(board->DesignTop(), 122);
    EXPECT_EQ(board->Left(), 150);
    board->SetCenterOnForm(false);
    board->SetBounds(7, 8, 600, 409);
    Render(board);
    EXPECT_EQ(board->Left(), 7) << "without CenterOnForm the panel stays put";
}

struct PictureRectRow
{
    bool stretch, center;
    int pictureWidth, pictureHeight;
    TRect expected;
};
void PrintTo(const PictureRectRow& row, std::ostream* out)
{
    *out << (row.stretch ? "stretch " : "") << (row.center ? "center " : "") << row.pictureWidth
         << "x" << row.pictureHeight;
}

class PictureRect : public BoardFixture, public ::testing::WithParamInterface<PictureRectRow>
{
};

TEST_P(PictureRect, FollowsStretchThenCenterThenNaturalSize)
{
    const PictureRectRow& row = GetParam();
    board->SetPicture(*SolidPicture(row.pictureWidth, row.pictureHeight, clRed));
    board->SetStretch(row.stretch);
    board->SetCenter(row.center);
    EXPECT_EQ(board->PictureRect(), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PictureRect,
    ::testing::Values(PictureRectRow {true, true, 300, 200, Rect(0, 0, 600, 409)},
        PictureRectRow {true, false, 700, 500, Rect(0, 0, 600, 409)},
        PictureRectRow {false, true, 700, 500, Rect(-50, -45, 650, 455)},
        PictureRectRow {false, false, 300, 200, Rect(0, 0, 300, 200)}));

TEST_F(BoardImage, UncoveredAreaShowsTheButtonFaceAndThePanelIsNotOpaque)
{
    board->SetCenterOnForm(false);
    board->SetPicture(*SolidPicture(300, 200, clRed));
    EXPECT_FALSE(board->Opaque());
    const QImage pixels = Render(board);
    EXPECT_EQ(PixelAt(pixels, 299, 199), clRed);
    EXPECT_EQ(PixelAt(pixels, 300, 100), ColorToRGB(clBtnFace));
    board->SetStretch(true);
    EXPECT_TRUE(board->Opaque());
    EXPECT_EQ(PixelAt(Render(board), 599, 408), clRed);
}

TEST_F(BoardImage, AspectRatioFollowsThePictureAndSurvivesEmptying)
{
    board->SetPicture(*SolidPicture(400, 300, clRed));
    EXPECT_DOUBLE_EQ(board->AspectRatio(), 0.75);
    board->SetPicture(TPicture());
    EXPECT_DOUBLE_EQ(board->AspectRatio(), 0.75);
    EXPECT_FALSE(board->Opaque());
}

TEST_F(BoardImage, AutoSizeTakesThePicturesSize)
{
    TBoardImage sized(form.get());
    sized.SetParent(form.get());
    sized.SetPicture(*SolidPicture(300, 200, clRed));
    EXPECT_EQ(sized.Width(), 300);
    EXPECT_EQ(sized.Height(), 200);
    int width = 1, height = 1;
    sized.SetAlign(alLeft);
    EXPECT_TRUE(sized.CanAutoSize(width, height));
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height, 1) << "a left-aligned panel keeps its height";
}

TEST(BoardImageRepaint, EqualValuesAskForNoPaintAndNewOnesDo)
{
    TForm form(nullptr);
    auto* board = new CountingBoardImage(&form);
    board->SetParent(&form);
    board->SetAutoSize(false);
    board->SetBounds(0, 0, 100, 100);
    form.Show();
    QCoreApplication::processEvents(); // the first paint centres the panel,
    QCoreApplication::processEvents(); // which paints it again at its new place
    const int before = board->paints;
    board->SetStretch(false);
    board->SetCenter(false);
    board->SetTransparent(false);
    board->SetScale(true);
    board->SetCenterOnForm(false);
    board->SetMenu(nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(board->paints, before);
    board->SetStretch(true);
    QCoreApplication::processEvents();
    EXPECT_GT(board->paints, before);
}
