#pragma once
// Game commands: lines that players type to the game server rather than say ("[bank", "[go britain",
// ".resync"). They go to the game exactly as written, so the speech styles must not touch them.
#include <functional>
#include <string_view>

namespace kestrelle {

// Whether a line (without its line break) is a game command: "[" or "." followed by an ASCII letter at
// its very start. "...", ". . .", "[5" and a line with blanks before the prefix are speech.
bool IsGameCommandLine(std::string_view line);

// Whether any line of the text is a game command.
bool HasGameCommandLine(std::string_view text);

// Translates one run of speech (one or more whole lines, without the line break after the last) and writes
// the translation. False when the translation was asked to stop.
using SpeechTranslation = std::function<bool(std::string_view speech)>;
using TextWrite = std::function<void(std::string_view text)>;

// Writes the text with every game command line kept as written (trailing blanks and line break included)
// and each run of speech lines between them translated on its own, its last line break kept as it is. A
// text without a command line is translated whole, as one run, so it comes out as it always did; a run
// with no characters is not translated at all. Returns false as soon as a translation does.
bool TranslateAroundGameCommands(std::string_view text, const SpeechTranslation& translate, const TextWrite& write);

}  // namespace kestrelle
