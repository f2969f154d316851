// The editing rules of the digit-mask box and the file dialog filter form.

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace kestrelle::ui
