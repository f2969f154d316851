#include "ui/file_dialog.h"

#include <commdlg.h>

#include <stdexcept>
#include <vector>

#include "ui/dialog_filter.h"
#include "ui/wide_text.h"

namespace kestrelle::ui {

bool FileDialog::Execute(HWND owner) {
  std::vector<wchar_t> path(32768, L'\0');
  fileName.copy(path.data(), path.size() - 1);
  const std::wstring filters = WideFromAnsi(SystemFilterList(filter));
  const std::wstring wideTitle = WideFromAnsi(title);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.empty() ? nullptr : filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  dialog.lpstrTitle = title.empty() ? nullptr : wideTitle.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  // Replacing a file asks first, as the system's save dialogs do for every program that lets them.
  if (kind_ == Kind::Save) dialog.Flags |= OFN_OVERWRITEPROMPT;
  const BOOL chosen = kind_ == Kind::Open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
  if (!chosen) {
    if (const DWORD error = CommDlgExtendedError(); error != 0) {
      throw std::runtime_error("The file dialog failed (error " + std::to_string(error) + ")");
    }
    return false;
  }
  fileName = path.data();
  return true;
}

}  // namespace kestrelle::ui
