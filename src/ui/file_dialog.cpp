#include "ui/file_dialog.h"

#include <commdlg.h>

#include <stdexcept>
#include <vector>

#include "ui/dialog_filter.h"
#include "ui/library_function.h"
#include "ui/wide_text.h"

namespace kestrelle::ui {

bool FileDialog::Execute(HWND owner) {
  std::vector<wchar_t> path(32768, L'\0');
  fileName.copy(path.data(), path.size() - 1);
  const std::wstring filters = WideFromUtf8(SystemFilterList(filter));
  const std::wstring wideTitle = WideFromUtf8(title);
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
  // The common dialogs are loaded when a dialog is first shown.
  static const auto open = LibraryFunction<decltype(&GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
  static const auto save = LibraryFunction<decltype(&GetSaveFileNameW)>("comdlg32.dll", "GetSaveFileNameW");
  static const auto lastError = LibraryFunction<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
  const BOOL chosen = kind_ == Kind::Open ? open(&dialog) : save(&dialog);
  if (!chosen) {
    if (const DWORD error = lastError(); error != 0) {
      throw std::runtime_error("The file dialog failed (error " + std::to_string(error) + ")");
    }
    return false;
  }
  fileName = path.data();
  return true;
}

}  // namespace kestrelle::ui
