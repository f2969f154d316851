#include "reference/picture_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "reference/extended_real.h"
#include "reference/picture_name.h"
#include "reference_test_data.h"

namespace kestrelle {
namespace {

TEST(PictureGeometry, ItemPicturesZoomShrinkAndCentre) {
  struct Case {
    const char* what;
    TPictureSize bitmap;
    int position;
    TPictureBounds expected;
  };
  const Case cases[] = {
      {"Executioner's Axe at 2.0", {36, 28}, 20, {16, 24, 72, 56}},
      {"Halberd at 2.0: 108 x 90 loses 14 on both sides", {54, 45}, 20, {5, 14, 94, 76}},
      {"Butcher Knife at 2.5: 42.5 and 37.5 go to the even side", {17, 15}, 25, {31, 33, 42, 38}},
      {"Butcher Knife at 0.5", {17, 15}, 5, {48, 48, 8, 8}},
      {"Bone Armor at 2.0", {45, 45}, 20, {7, 7, 90, 90}},
      {"Bone Armor at 3.0: 135 x 135 shrinks to the frame", {45, 45}, 30, {5, 5, 94, 94}},
      {"Bone Armor at 0.5: 22.5 goes to 22", {45, 45}, 5, {41, 41, 22, 22}},
      {"Leather Leggings at 3.0: 120 x 96 keeps its difference", {40, 32}, 30, {5, 17, 94, 70}},
      {"exactly 94 fits", {47, 47}, 20, {5, 5, 94, 94}},
  };
  for (const Case& c : cases) EXPECT_EQ(ItemPictureBounds(c.bitmap, c.position), c.expected) << c.what;
}

TEST(PictureGeometry, ShrinkKeepsOnePixelOnEachSide) {
  EXPECT_EQ(ShrinkToFrame({300, 2}, kItemPictureFrame), (TPictureSize{94, 1}));
  EXPECT_EQ(ShrinkToFrame({2, 1000}, kItemPictureFrame), (TPictureSize{1, 94}));
  EXPECT_EQ(ShrinkToFrame({95, 1}, kItemPictureFrame), (TPictureSize{94, 1}));
  EXPECT_EQ(ShrinkToFrame({0, 200}, kItemPictureFrame), (TPictureSize{0, 94})) << "an empty side is not grown";
  EXPECT_EQ(ItemPictureBounds({400, 3}, 10), (TPictureBounds{5, 52, 94, 1}));
}

TEST(PictureGeometry, AnimalPicturesKeepTheirRatio) {
  struct Case {
    const char* what;
    TPictureSize bitmap;
    int position;
    TPictureBounds expected;
  };
  const Case cases[] = {
      {"Scorpion at 2.0: 230 x 194, over the height but more over the width", {115, 97}, 20, {5, 24, 149, 126}},
      {"Scorpion at 3.0", {115, 97}, 30, {5, 24, 149, 126}},
      {"Alligator at 2.0: 156 x 74 to the frame's width", {78, 37}, 20, {5, 51, 149, 71}},
      {"Horse at 2.0 fits", {67, 71}, 20, {13, 16, 134, 142}},
      {"Horse at 3.0: 201 x 213", {67, 71}, 30, {5, 8, 149, 158}},
      {"a tall one to the frame's height", {40, 100}, 20, {47, 5, 65, 163}},
      {"Bird at 0.5: 7.5 and 4.5 go to 8 and 4", {15, 9}, 5, {76, 85, 8, 4}},
      // Rounding each step to 64 bits moves these off the exact ratio's half: 163 / 266 x 133 is 81.5
      // exactly, but 81.4999... in extended precision; 149 / 280 x 140 likewise gives 75, not 74.
      {"height fit rounded in extended precision", {133, 266}, 10, {39, 5, 81, 163}},
      {"width fit rounded in extended precision", {280, 140}, 10, {5, 49, 149, 75}},
  };
  for (const Case& c : cases) EXPECT_EQ(AnimalPictureBounds(c.bitmap, c.position), c.expected) << c.what;
}

TEST(PictureGeometry, ZoomRoundsHalvesToEvenAndClampsThePosition) {
  EXPECT_EQ(ZoomSide(1, 5), 0);
  EXPECT_EQ(ZoomSide(3, 5), 2);
  EXPECT_EQ(ZoomSide(5, 15), 8);  // 7.5
  EXPECT_EQ(ZoomSide(0, 20), 0);
  EXPECT_EQ(ZoomSide(-4, 20), 0);
  EXPECT_EQ(ZoomSide(17, 0), ZoomSide(17, 5));
  EXPECT_EQ(ZoomSide(17, 99), ZoomSide(17, 30));
  EXPECT_EQ(ZoomSide(std::numeric_limits<int>::max(), 30), std::numeric_limits<int>::max());
}

TEST(ExtendedReal, TenthIsTheNearest64BitValue) {
  const TExtendedReal tenth = ExtendedDivide(1, 10);
  EXPECT_EQ(tenth.Significand, 0xCCCCCCCCCCCCCCCDu);
  EXPECT_EQ(tenth.Exponent, -67);
  const TExtendedReal third = ExtendedDivide(1, 3);  // 0.0101...: the 65th bit and more are set, so up
  EXPECT_EQ(third.Significand, 0xAAAAAAAAAAAAAAABu);
  EXPECT_EQ(third.Exponent, -65);
}

TEST(ExtendedReal, RoundsHalvesToEven) {
  const auto half = [](std::uint32_t odd) { return ExtendedDivide(odd, 2); };
  EXPECT_EQ(RoundHalfEven(half(1)), 0);
  EXPECT_EQ(RoundHalfEven(half(3)), 2);
  EXPECT_EQ(RoundHalfEven(half(5)), 2);
  EXPECT_EQ(RoundHalfEven(ExtendedDivide(0xFFFFFFFFu, 2)), 2147483648);
  EXPECT_EQ(RoundHalfEven(ExtendedDivide(2, 3)), 1);
  EXPECT_EQ(RoundHalfEven(ExtendedDivide(1, 3)), 0);
  EXPECT_EQ(RoundHalfEven(ExtendedFromInteger(0)), 0);
  EXPECT_EQ(RoundHalfEven({0xFFFFFFFFFFFFFFFFu, -64}), 1);
  EXPECT_EQ(RoundHalfEven({0x8000000000000000u, -64}), 0);  // exactly one half
  EXPECT_EQ(RoundHalfEven({1, -65}), 0);
  EXPECT_EQ(RoundHalfEven({1, 70}), std::numeric_limits<std::int64_t>::max());
}

TEST(ExtendedReal, ProductRoundingCarriesIntoTheNextPowerOfTwo) {
  // 0xE38E38E38E38E38E x 9 = 2^67 - 2: its top 64 bits are all ones and the 3 bits below (110) are over
  // one half, so it rounds up to 2^67.
  const TExtendedReal product = ExtendedMultiply({0xE38E38E38E38E38Eu, 0}, ExtendedFromInteger(9));
  EXPECT_EQ(product.Significand, 0x8000000000000000u);
  EXPECT_EQ(product.Exponent, 4);
  // (2^64 - 1) x 3 = 2^66 - 3: the dropped bits (01) are under one half.
  const TExtendedReal down = ExtendedMultiply({0xFFFFFFFFFFFFFFFFu, 0}, ExtendedFromInteger(3));
  EXPECT_EQ(down.Significand, 0xBFFFFFFFFFFFFFFFu);
  EXPECT_EQ(down.Exponent, 2);
  const TExtendedReal carried = ExtendedMultiply({0xFFFFFFFFFFFFFFFFu, 0}, {0xFFFFFFFFFFFFFFFFu, 0});
  EXPECT_EQ(carried.Significand, 0xFFFFFFFFFFFFFFFEu);
  EXPECT_EQ(carried.Exponent, 64);
}

// The extended computation as an x87 long double makes it; only where long double is that format.
#if defined(__x86_64__) || defined(__i386__)
constexpr bool kHasX87LongDouble = std::numeric_limits<long double>::digits == 64;
#else
constexpr bool kHasX87LongDouble = false;
#endif

int LongDoubleZoom(int side, int position) {
  const long double factor = static_cast<long double>(position) * 0.1L;
  return static_cast<int>(std::nearbyint(static_cast<long double>(side) * factor));
}

int LongDoubleRatio(int frame, int side, int other) {
  const long double ratio = static_cast<long double>(frame) / static_cast<long double>(side);
  return static_cast<int>(std::nearbyint(ratio * static_cast<long double>(other)));
}

TEST(ExtendedReal, MatchesLongDoubleOverWideRanges) {
  if (!kHasX87LongDouble) GTEST_SKIP() << "long double is not the 80-bit extended format here";
  for (int position = kZoomPositionMin; position <= kZoomPositionMax; ++position) {
    for (int side = 0; side <= 4000; ++side) {
      ASSERT_EQ(ZoomSide(side, position), LongDoubleZoom(side, position)) << side << " at " << position;
    }
  }
  for (const int frame : {kAnimalPictureFrame.Width - 11, kAnimalPictureFrame.Height - 11}) {
    for (int side = 1; side <= 700; ++side) {
      for (int other = 0; other <= 700; ++other) {
        const std::int64_t ours = RoundHalfEven(ExtendedMultiply(ExtendedDivide(static_cast<std::uint32_t>(frame),
                                                                       static_cast<std::uint32_t>(side)),
                                                        ExtendedFromInteger(static_cast<std::uint32_t>(other))));
        ASSERT_EQ(ours, LongDoubleRatio(frame, side, other)) << frame << " / " << side << " x " << other;
      }
    }
  }
}

// Every picture of the three tables at every zoom position, against the same steps in long double.
TEST(PictureGeometry, EveryTablePictureMatchesLongDoubleAtEveryPosition) {
  if (!kHasX87LongDouble) GTEST_SKIP() << "long double is not the 80-bit extended format here";
  for (const char* name : {"weapons", "armour", "animals"}) {
    const bool animals = std::string(name) == "animals";
    for (const tables::TSourceRow& row : test::TableSource(name).Rows) {
      for (int position = kZoomPositionMin; position <= kZoomPositionMax; ++position) {
        int width = LongDoubleZoom(row.PictureWidth, position);
        int height = LongDoubleZoom(row.PictureHeight, position);
        TPictureSize frame = kItemPictureFrame;
        if (animals) {
          frame = kAnimalPictureFrame;
          const int roomWidth = frame.Width - 11, roomHeight = frame.Height - 11;
          if (height > roomHeight || width > roomWidth) {
            if (std::int64_t{height} * roomWidth >= std::int64_t{width} * roomHeight) {
              width = LongDoubleRatio(roomHeight, height, width);
              height = roomHeight;
            } else {
              height = LongDoubleRatio(roomWidth, width, height);
              width = roomWidth;
            }
          }
        } else {
          while (height > frame.Height - 11 || width > frame.Width - 11) {
            --height;
            --width;
          }
        }
        const TPictureBounds expected{(frame.Width - width) / 2, (frame.Height - height) / 2, width, height};
        const TPictureSize bitmap{row.PictureWidth, row.PictureHeight};
        const TPictureBounds actual = animals ? AnimalPictureBounds(bitmap, position) : ItemPictureBounds(bitmap, position);
        ASSERT_EQ(actual, expected) << row.Category << " " << row.Name << " at " << position;
        ASSERT_TRUE(actual.Left > 0 && actual.Top > 0 && actual.Left + actual.Width < frame.Width &&
                    actual.Top + actual.Height < frame.Height) << "inside the frame's border";
      }
    }
  }
}

}  // namespace
}  // namespace kestrelle
