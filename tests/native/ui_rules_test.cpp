// The editing rules of the digit-mask box, the file dialog filter form, access keys and readable colours.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "ui/access_keys.h"
#include "ui/colour_contrast.h"
#include "ui/dialog_filter.h"
#include "ui/digit_mask.h"

namespace kestrelle::ui {
namespace {

TEST(DigitMask, FitsTextsGivenByTheProgram) {
  EXPECT_EQ(FitDigitMask("  25"), "  25");
  EXPECT_EQ(FitDigitMask("25"), "  25");
  EXPECT_EQ(FitDigitMask(""), "    ");
  EXPECT_EQ(FitDigitMask("12345"), "2345") << "the last four positions";
  EXPECT_EQ(FitDigitMask("a1-2"), " 1 2") << "other characters become blanks";
}

TEST(DigitMask, Editing) {
  enum class Key { Type, Backspace, Delete };
  struct Case {
    const char* name;
    const char* text;
    std::size_t selStart;
    std::size_t selLength;
    Key key;
    char ch;
    bool accepted;
    const char* expected;
    std::size_t caret;
  };
  const Case cases[] = {
      {"digit overwrites", "  25", 0, 0, Key::Type, '1', true, "1 25", 1},
      {"blank overwrites", "3000", 1, 0, Key::Type, ' ', true, "3 00", 2},
      {"letter refused", "3000", 1, 0, Key::Type, 'a', false, "3000", 1},
      {"sign refused", "3000", 0, 0, Key::Type, '-', false, "3000", 0},
      {"at the end", "3000", 4, 0, Key::Type, '5', false, "3000", 4},
      {"selection blanked", "3000", 1, 3, Key::Type, '9', true, "39  ", 2},
      {"selection at the end", "3000", 3, 1, Key::Type, '9', true, "3009", 4},
      {"backspace", "3000", 2, 0, Key::Backspace, 0, true, "3 00", 1},
      {"backspace at start", "3000", 0, 0, Key::Backspace, 0, true, "3000", 0},
      {"backspace selection", "3000", 0, 4, Key::Backspace, 0, true, "    ", 0},
      {"delete", "3000", 0, 0, Key::Delete, 0, true, " 000", 0},
      {"delete at end", "3000", 4, 0, Key::Delete, 0, true, "3000", 4},
      {"delete selection", "3000", 1, 2, Key::Delete, 0, true, "3  0", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DigitMaskState state{c.text, c.selStart, c.selLength};
    bool accepted = true;
    switch (c.key) {
      case Key::Type:
        accepted = TypeIntoDigitMask(state, c.ch);
        break;
      case Key::Backspace:
        BackspaceInDigitMask(state);
        break;
      case Key::Delete:
        DeleteInDigitMask(state);
        break;
    }
    EXPECT_EQ(accepted, c.accepted);
    EXPECT_EQ(state.text, c.expected);
    EXPECT_EQ(state.selStart, c.caret);
    EXPECT_EQ(state.selLength, 0u);
  }
}

TEST(DialogFilter, PipesBecomeNulSeparatedPairs) {
  using namespace std::string_literals;
  EXPECT_EQ(SystemFilterList("Text files (*.txt)|*.TXT|Any file (*.*)|*.*"),
            "Text files (*.txt)\0*.TXT\0Any file (*.*)\0*.*\0\0"s);
  EXPECT_EQ(SystemFilterList("All|*.*|"), "All\0*.*\0\0"s) << "a trailing separator adds no empty entry";
  EXPECT_EQ(SystemFilterList(""), "\0\0"s);
}

TEST(AccessKeys, TheFirstMarkCountsAndADoubledOneShows) {
  const std::tuple<const char*, std::optional<char>, const char*> cases[] = {
      {"S&top", 'T', "Stop"}, {"A && &b", 'B', "A & b"}, {"&1 &2", '1', "1 2"}, {"End&", std::nullopt, "End&"}};
  for (const auto& [caption, key, shown] : cases) {
    EXPECT_EQ(AccessKeyOf(caption), key) << caption;
    EXPECT_EQ(ShownCaption(caption), shown);
  }
}

// The ends of the scale, the pages' colours on black and white, and a fixed text colour on either side of 3:1.
TEST(ReadableColours, AFixedTextColourStaysWhereItReadsAndHighContrastIsOff) {
  constexpr Rgb black{}, white{255, 255, 255}, grey{148, 148, 148}, lighter{150, 150, 150};
  EXPECT_DOUBLE_EQ(ContrastRatio(black, white), 21.0);
  EXPECT_NEAR(ContrastRatio({0, 0, 128}, black), 1.31, 0.01);
  EXPECT_NEAR(ContrastRatio(white, {255, 255, 0}), 1.07, 0.01);
  const SchemeColours light{false, white, black};
  EXPECT_EQ(ChooseTextColour({grey, true}, white, light), grey);
  EXPECT_EQ(ChooseTextColour({lighter, true}, white, light), black);
  EXPECT_EQ(ChooseTextColour({grey, true}, white, {true, white, black}), black);
  EXPECT_EQ(ChooseTextColour({lighter, false}, white, light), lighter) << "the system's own colour stays";
}

}  // namespace
}  // namespace kestrelle::ui
