#pragma once
// How a text is typed into one game client window: which characters go out, where lines are broken and
// padded, and where the typing pauses. The window side (sending a character, waiting while the window
// stays live, making sure a line can be typed) is behind TypingTarget, so the rules can be exercised
// without any window.
//
// The text is in Unicode code points. Which of them a client takes depends on the client: the classic
// client and Orion take plain ASCII only (the 1997 client's limit), ClassicUO takes every letter.
#include <cstdint>
#include <string>
#include <string_view>

namespace kestrelle {

// The two pauses of the typing, in milliseconds; the Translate command reads them from its fields before
// every run. A pause of 0 or less is no pause.
struct TypingDelays {
  std::int32_t charDelay = 25;   // before every typed character, padding blanks included
  std::int32_t lineDelay = 3000; // at every third line end, before that line's padding
};

// The game client line: the client sees lines of at most this many characters.
inline constexpr int kTypedLineWidth = 52;
// A line may end at a blank, a carriage return or punctuation once it holds this many characters.
inline constexpr int kTypedLineBreakFrom = 48;
// The line delay falls at every this many line ends.
inline constexpr int kLineEndsPerPause = 3;

// The characters a client takes: Ascii, the codes 32..126; Unicode, every character that is not a
// control character. Both take the carriage return, which ends a typed line in the game.
enum class TypedLetters { Ascii, Unicode };

enum class TypingOutcome {
  Typed,      // the whole text went out (for one step: the step went through)
  Stopped,    // a wait reported a stop request; nothing more was sent
  WindowLost, // the window refused a character or a line; nothing more was sent to it
};

// How long one message (a character, a line end, a ping) may take a client before that client counts as
// not answering and is dropped for the rest of the text. A client the system already knows to be hung is dropped at once.
inline constexpr std::int32_t kClientResponseTimeoutMs = 5000;

// How long a client window brought to the front may take to become the active window and handle its
// activation; a busy game handles its messages once per frame.
inline constexpr std::int32_t kComeToFrontTimeoutMs = 1000;

class TypingTarget {
 public:
  virtual ~TypingTarget() = default;
  // Waits ms milliseconds (none when ms <= 0). False when the command has been asked to stop.
  virtual bool Wait(std::int32_t ms) = 0;
  // Types one character: Typed, or WindowLost when the window did not take it (closed, no longer
  // responding), or Stopped when a stop came while the window was made ready for it.
  virtual TypingOutcome Send(char32_t c) = 0;
  // Called before the first character of every typed line (line counts from 0), before that
  // character's wait: the window side may show how far the typing has got, or make sure the line can
  // be typed whole. Anything but Typed ends the typing into the window before the line.
  virtual TypingOutcome StartLine(int /*line*/) { return TypingOutcome::Typed; }
};

// Whether a client of the given letters takes c (carriage returns included).
bool IsTyped(char32_t c, TypedLetters letters);
// Whether c is a letter (a character other than a control character) that such a client cannot take:
// it is left out of the typing, and the player should hear of it.
bool IsLeftOut(char32_t c, TypedLetters letters);
int CountLeftOut(std::u32string_view text, TypedLetters letters);
// How many lines the typing of text makes in the game.
int CountTypedLines(std::u32string_view text, TypedLetters letters);

// Types text into target. Only the characters the client takes are typed (line feeds, tabs and other
// control characters never are). Each typed character follows a wait of charDelay. A line ends at its 52nd
// character, or from its 48th on at a carriage return, blank, '!', ',', '.' or '?'; an ended line is
// padded with blanks (each after a charDelay wait) to 52 characters and closed by a carriage return, sent
// without a wait, unless the character that ended it was itself a carriage return (the padding then
// follows that one). Every third line end waits lineDelay before the padding. A carriage return before
// column 48 is typed like any character and does not start a new line. A final unfinished line gets a
// carriage return without padding.
TypingOutcome TypeIntoWindow(std::u32string_view text, const TypingDelays& delays, TypingTarget& target,
                             TypedLetters letters = TypedLetters::Ascii);

}  // namespace kestrelle
