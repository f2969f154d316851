#include "reference/description_memo.h"

namespace kestrelle {

void ShowDescription(ui::Memo& memo, const std::vector<std::string>& lines) {
  memo.Clear();
  memo.SetWordWrap(false);
  for (const std::string& line : lines) memo.AppendLine(line);
  memo.SetWordWrap(true);
}

}  // namespace kestrelle
