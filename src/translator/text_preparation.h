#pragma once
// The preparation around a translation that the Translate command and the command-line filter share:
// the engine sees lower-case text with one blank appended, and the result gets its sentence capitals back
// and loses its trailing blanks.
#include <string>
#include <string_view>

namespace kestrelle {

// 'A'..'Z' lowered (nothing else changes), then one blank appended.
std::string PrepareForTranslation(std::string_view text);

// CapitaliseSentences, then every blank at the end removed.
void FinishTranslation(std::string& text);

}  // namespace kestrelle
