#pragma once
// How a text is typed into one game client window: which characters go out, where lines are broken and
// padded, and where the typing pauses. The window side (sending a character, waiting while the window
// stays live) is behind TypingTarget, so the rules can be exercised without any window.
#include <cstdint>
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

// How long one character may take a client before that client counts as not responding and is dropped
// for the rest of the text. A client the system already knows to be hung is dropped at once.
inline constexpr std::uint32_t kClientResponseTimeoutMs = 5000;

// How long a client window brought to the front may take to become the active window and handle its
// activation; a busy game handles its messages once per frame.
inline constexpr std::int32_t kComeToFrontTimeoutMs = 1000;

class TypingTarget {
 public:
  virtual ~TypingTarget() = default;
  // Waits ms milliseconds (none when ms <= 0). False when the command has been asked to stop.
  virtual bool Wait(std::int32_t ms) = 0;
  // Types one character. False when the window did not take it (closed, or no longer responding).
  virtual bool Send(char c) = 0;
};

enum class TypingOutcome {
  Typed,      // the whole text went out
  Stopped,    // a wait reported a stop request; nothing more was sent
  WindowLost, // the window refused a character; nothing more was sent to it
};

// Types text into target. Only the characters 32..126 and carriage returns are typed (line feeds, tabs and
// codes 127..255 are left out). Each typed character follows a wait of charDelay. A line ends at its 52nd
// character, or from its 48th on at a carriage return, blank, '!', ',', '.' or '?'; an ended line is
// padded with blanks (each after a charDelay wait) to 52 characters and closed by a carriage return, sent
// without a wait, unless the character that ended it was itself a carriage return (the padding then
// follows that one). Every third line end waits lineDelay before the padding. A carriage return before
// column 48 is typed like any character and does not start a new line. A final unfinished line gets a
// carriage return without padding.
TypingOutcome TypeIntoWindow(std::string_view text, const TypingDelays& delays, TypingTarget& target);

}  // namespace kestrelle
