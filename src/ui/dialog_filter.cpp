#include "ui/dialog_filter.h"

#include <algorithm>

namespace kestrelle::ui {

std::string SystemFilterList(std::string_view filter) {
  std::string list(filter);
  std::replace(list.begin(), list.end(), '|', '\0');
  if (!list.empty() && list.back() != '\0') list += '\0';
  list += '\0';
  if (list.size() == 1) list += '\0';
  return list;
}

}  // namespace kestrelle::ui
