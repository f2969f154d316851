#pragma once
// Where a text stops being short. The filter's --lines hands the engine one short text after another, so
// the memory a short text took (candidate lists, links, the linked text itself) is kept for the next one;
// a longer text gives its memory back when it is done, so that a window that translated a large file
// once does not hold on to it.
#include <cstddef>

namespace kestrelle {

inline constexpr size_t kShortText = size_t{1} << 16;

}  // namespace kestrelle
