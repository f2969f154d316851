#pragma once
// The system's open and save dialogs. The filter is written as "Description|Pattern|...", e.g.
// "Text files (*.txt)|*.TXT|Any file (*.*)|*.*"; the chosen file is kept for the next showing. File and
// folder names are wide, so that any name the system allows can be chosen.

#include <windows.h>

#include <string>
#include <utility>

namespace kestrelle::ui {

class FileDialog {
 public:
  enum class Kind { Open, Save };

  explicit FileDialog(Kind kind, std::string dialogTitle = {}) : kind_(kind), title(std::move(dialogTitle)) {}

  // Shows the dialog; returns false when it is cancelled, and throws when the system cannot show it.
  bool Execute(HWND owner);

 private:
  Kind kind_;

 public:
  std::string title;       // empty: the system's title
  std::string filter;
  std::wstring fileName;    // offered when the dialog opens, the chosen file after it
  std::wstring initialDir;  // empty: the system's choice
};

}  // namespace kestrelle::ui
