#pragma once
#include <string>
#include <string_view>

namespace kestrelle {

// The bitmap resource name of a picture from its display text (a weapon's or animal's name, or an armour
// tab caption, a blank and the piece's name): every character other than an ASCII letter or digit becomes
// "_", letters keep their case, and the length stays. Bitmaps are looked up ignoring case, so
// "Executioner's Axe" (Executioner_s_Axe) finds EXECUTIONER_S_AXE.
std::string PictureResourceName(std::string_view displayText);

}  // namespace kestrelle
