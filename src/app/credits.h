#pragma once
// The credits that scroll through the about box the first time it opens.
#include <string>
#include <vector>

namespace kestrelle {

// The credit lines, top to bottom; an empty line is a line's height of space. None is longer than 51
// characters, so each fits the credits control across. An '&' would underline the character after it.
const std::vector<std::string>& CreditLines();

}  // namespace kestrelle
