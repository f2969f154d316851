#pragma once
// Access keys as captions mark them: an "&" makes the character after it the control's access key (Alt
// and that character, shown underlined), and "&&" shows as one "&". Kept free of any window so that the
// rules can be tested on their own.

#include <optional>
#include <string>
#include <string_view>

namespace kestrelle::ui {

// The access key a caption marks, an ASCII letter as its capital; none without a mark. The first mark
// counts, as the system reads it.
std::optional<char> AccessKeyOf(std::string_view caption);

// A key as AccessKeyOf gives it: an ASCII letter as its capital, any other character as it is.
char AccessKeyFor(char typed);

// The caption as it shows: the marks left out, "&&" as one "&".
std::string ShownCaption(std::string_view caption);

}  // namespace kestrelle::ui
