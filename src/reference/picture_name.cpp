#include "reference/picture_name.h"

namespace kestrelle {

std::string PictureResourceName(std::string_view displayText) {
  std::string name(displayText);
  for (char& c : name) {
    // Not std::isalnum: that depends on the locale and would keep accented letters of a code page.
    const bool keep = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!keep) c = '_';
  }
  return name;
}

}  // namespace kestrelle
