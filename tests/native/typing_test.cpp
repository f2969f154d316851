#include "game_link/typing.h"

#include <gtest/gtest.h>

#include <string>

namespace kestrelle {
namespace {

constexpr TypingDelays kDelays{1, 7};

// The bytes of s as the code points of the same numbers (Latin-1).
std::u32string Wide(std::string_view s) {
  std::u32string wide;
  for (const char c : s) wide += static_cast<char32_t>(static_cast<unsigned char>(c));
  return wide;
}

// Writes what the typing does as one string: a wait of ms as "{ms}", a sent character as itself.
class RecordingTarget final : public TypingTarget {
 public:
  bool Wait(std::int32_t ms) override {
    if (waitsLeft_-- == 0) return false;
    log_ += "{" + std::to_string(ms) + "}";
    return true;
  }
  TypingOutcome Send(char32_t c) override {
    if (sendsLeft_-- == 0) return TypingOutcome::WindowLost;
    log_ += c < 0x80 ? std::string(1, static_cast<char>(c)) : "<" + std::to_string(c) + ">";
    return TypingOutcome::Typed;
  }
  // A line start shows as "|", a refused one as "X".
  TypingOutcome StartLine(int line) override {
    if (line == refuseLine) {
      log_ += "X";
      return TypingOutcome::WindowLost;
    }
    if (logLines) log_ += "|";
    return TypingOutcome::Typed;
  }
  void FailWaitAfter(int waits) { waitsLeft_ = waits; }
  void FailSendAfter(int sends) { sendsLeft_ = sends; }
  const std::string& log() const { return log_; }
  int refuseLine = -1;
  bool logLines = false;

 private:
  std::string log_;
  int waitsLeft_ = -1;
  int sendsLeft_ = -1;
};

// The log of typing s with a character delay of 1 and no line end.
std::string Keys(std::string_view s) {
  std::string log;
  for (char c : s) log += std::string("{1}") + c;
  return log;
}

std::string Letters(int n, char first = 'a') {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>(first + i % 26);
  return s;
}

std::string Typed(std::string_view text, TypingDelays delays = kDelays) {
  RecordingTarget target;
  EXPECT_EQ(TypeIntoWindow(Wide(text), delays, target), TypingOutcome::Typed);
  return target.log();
}

TEST(Typing, LinesArePaddedAndBroken) {
  struct Case {
    const char* what;
    std::string text;
    std::string log;
  };
  const std::string l47 = Letters(47);
  const Case cases[] = {
      {"short text gets one carriage return", "Hello there", Keys("Hello there") + "\r"},
      {"empty text types nothing", "", ""},
      {"60 letters break at the 52nd", Letters(60),
       Keys(Letters(52)) + "\r" + Keys(Letters(60).substr(52)) + "\r"},
      {"exactly 52 letters: the line end's carriage return is the only one", Letters(52), Keys(Letters(52)) + "\r"},
      {"a blank as 48th character ends the line, padded to 52", l47 + " next",
       Keys(l47 + " ") + Keys("    ") + "\r" + Keys("next") + "\r"},
      {"punctuation from column 48 ends the line", l47 + "!x", Keys(l47 + "!") + Keys("    ") + "\r" + Keys("x") + "\r"},
      {"punctuation at column 47 does not", Letters(46) + ",x", Keys(Letters(46) + ",x") + "\r"},
      {"a carriage return as 50th character is followed by the padding only", Letters(49) + "\rnext",
       Keys(Letters(49) + "\r") + Keys("  ") + Keys("next") + "\r"},
      {"CR LF: the line feed is skipped and the column goes on counting",
       Letters(30) + "\r\n" + Letters(40, 'A'),
       Keys(Letters(30) + "\r" + Letters(21, 'A')) + "\r" + Keys(Letters(40, 'A').substr(21)) + "\r"},
      {"a lone carriage return is typed and then closed", "\r", Keys("\r") + "\r"},
      {"codes outside 32..126 other than CR are skipped", "a\tb\nc\x7f\x1f\xe9\xff~ ", Keys("abc~ ") + "\r"},
  };
  for (const Case& c : cases) EXPECT_EQ(Typed(c.text), c.log) << c.what;
}

TEST(Typing, LineDelayFallsAtEveryThirdLineEndBeforeThePadding) {
  // Four lines ended by a blank at column 50: padding of 2 each; the line delay only at the third.
  const std::string line = Letters(49) + " ";
  const std::string ended = Keys(line) + Keys("  ");
  EXPECT_EQ(Typed(line + line + line + line + "end"),
            ended + "\r" + ended + "\r" + Keys(line) + "{7}" + Keys("  ") + "\r" + ended + "\r" + Keys("end") + "\r");

  // Six full lines: the delay again at the sixth line end, before its carriage return.
  std::string six;
  std::string expected;
  for (int i = 1; i <= 6; ++i) {
    six += Letters(52);
    expected += Keys(Letters(52)) + (i % 3 == 0 ? "{7}\r" : "\r");
  }
  EXPECT_EQ(Typed(six), expected);
}

TEST(Typing, DelaysArePassedOnAsSet) {
  EXPECT_EQ(Typed("ab", {0, 0}), "{0}a{0}b\r");
  const std::string line = Letters(51) + ".";
  const std::string text = line + line + line;
  const std::string log = Typed(text, {25, 3000});
  EXPECT_TRUE(log.ends_with("{25}y{25}.{3000}\r")) << log;
}

TEST(Typing, StopEndsTheTypingAtTheWait) {
  RecordingTarget target;
  target.FailWaitAfter(3);
  EXPECT_EQ(TypeIntoWindow(U"Hello", kDelays, target), TypingOutcome::Stopped);
  EXPECT_EQ(target.log(), Keys("Hel"));

  // A stop during the line delay sends neither the padding nor the carriage return.
  RecordingTarget atLineDelay;
  atLineDelay.FailWaitAfter(3 * 52);
  EXPECT_EQ(TypeIntoWindow(Wide(Letters(3 * 52)), kDelays, atLineDelay), TypingOutcome::Stopped);
  EXPECT_EQ(atLineDelay.log(), Keys(Letters(52)) + "\r" + Keys(Letters(52)) + "\r" + Keys(Letters(52)));
}

TEST(Typing, RefusedCharacterEndsTheTypingIntoThatWindow) {
  const struct {
    int sends;
    std::string log;
  } cases[] = {
      {0, "{1}"},
      {2, Keys("He") + "{1}"},
      {5, Keys("Hello")},  // the closing carriage return was refused
  };
  for (const auto& c : cases) {
    RecordingTarget target;
    target.FailSendAfter(c.sends);
    EXPECT_EQ(TypeIntoWindow(U"Hello", kDelays, target), TypingOutcome::WindowLost) << c.sends;
    EXPECT_EQ(target.log(), c.log) << c.sends;
  }
}

// Every line is announced before its first character's wait; a line the window side refuses sends nothing
// of it, and the lines before it went whole.
TEST(Typing, LinesAreAnnouncedAndMayBeRefusedBeforeTheyStart) {
  const std::string text = Letters(52) + Letters(49) + " " + "end";
  RecordingTarget target;
  target.logLines = true;
  EXPECT_EQ(TypeIntoWindow(Wide(text), kDelays, target), TypingOutcome::Typed);
  EXPECT_EQ(target.log(), "|" + Keys(Letters(52)) + "\r|" + Keys(Letters(49) + " ") + Keys("  ") + "\r|" + Keys("end") + "\r");
  EXPECT_EQ(CountTypedLines(Wide(text), TypedLetters::Ascii), 3);

  RecordingTarget refusing;
  refusing.refuseLine = 1;
  EXPECT_EQ(TypeIntoWindow(Wide(text), kDelays, refusing), TypingOutcome::WindowLost);
  EXPECT_EQ(refusing.log(), Keys(Letters(52)) + "\rX");
}

// The classic client takes plain ASCII and the letters beyond it are left out (and counted, so the player
// hears of them); ClassicUO takes every letter, each counting as one column. Control characters are
// neither typed nor counted as left out.
TEST(Typing, WhichLettersGoOutDependsOnTheClient) {
  const std::u32string text = U"Caf\u00e9 na\u00efve \u00fcber \u20ac5 \U0001F600\t\n\u0085\x7f";
  const struct {
    TypedLetters letters;
    std::string log;
    int leftOut;
  } cases[] = {
      {TypedLetters::Ascii, Keys("Caf nave ber 5 ") + "\r", 5},
      {TypedLetters::Unicode, Keys("Caf") + "{1}<233>" + Keys(" na") + "{1}<239>" + Keys("ve ") + "{1}<252>" +
                                  Keys("ber ") + "{1}<8364>" + Keys("5 ") + "{1}<128512>\r", 0},
  };
  for (const auto& c : cases) {
    RecordingTarget target;
    EXPECT_EQ(TypeIntoWindow(text, kDelays, target, c.letters), TypingOutcome::Typed);
    EXPECT_EQ(target.log(), c.log);
    EXPECT_EQ(CountLeftOut(text, c.letters), c.leftOut);
  }
  // A line holds 52 letters, whatever their code.
  EXPECT_EQ(CountTypedLines(std::u32string(53, U'\u00e9'), TypedLetters::Unicode), 2);
  EXPECT_EQ(CountTypedLines(std::u32string(53, U'\u00e9'), TypedLetters::Ascii), 0);
}

}  // namespace
}  // namespace kestrelle
