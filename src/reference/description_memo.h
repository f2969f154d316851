#pragma once
// The description memo of the magic lookups.

#include <string>
#include <vector>

#include "ui/memo.h"

namespace kestrelle {

// Replaces the memo's text by the lines: they are added with word wrap off, so that each sentence is one
// line of the memo, and word wrap is switched on afterwards so that the sentences wrap on screen.
void ShowDescription(ui::Memo& memo, const std::vector<std::string>& lines);

}  // namespace kestrelle
