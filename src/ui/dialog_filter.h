#pragma once
// File dialog filters are written as "Description|Pattern|Description|Pattern"; the system's dialogs want
// the same pairs as NUL-separated strings ended by two NULs.

#include <string>
#include <string_view>

namespace kestrelle::ui {

// The system form of a "|"-separated filter: every "|" becomes NUL and two NULs end the list. An empty
// filter gives an empty list (two NULs), which the dialogs read as "no filter".
std::string SystemFilterList(std::string_view filter);

}  // namespace kestrelle::ui
