#include "translator/text_file.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "translator/text_file_content.h"
#include "ui/wide_text.h"

namespace kestrelle {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (Valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes now, reporting whether the system took the last of the data.
  bool Close() {
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool ReadAll(HANDLE file, std::string& bytes) {
  char chunk[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &read, nullptr)) return false;
    if (read == 0) return true;
    bytes.append(chunk, read);
  }
}

bool WriteAll(HANDLE file, std::string_view text) {
  while (!text.empty()) {
    const DWORD portion = static_cast<DWORD>(std::min<size_t>(text.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, text.data(), portion, &written, nullptr) || written == 0) return false;
    text.remove_prefix(written);
  }
  return FlushFileBuffers(file) != 0;
}

// Writes text to a new temporary file in folder; returns its name, or an empty name when that failed.
std::wstring WriteTemporaryFile(const std::wstring& folder, std::string_view text) {
  wchar_t name[MAX_PATH + 1] = {};
  if (GetTempFileNameW(folder.c_str(), L"kes", 0, name) == 0) return {};
  FileHandle file(CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Valid() && WriteAll(file.get(), text) && file.Close()) return name;
  if (file.Valid()) file.Close();
  DeleteFileW(name);
  return {};
}

// Not every system refuses to move a file over a read-only one, so the target's attributes are checked
// first: a read-only file, like a folder, is never replaced.
bool MayReplace(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ||
         (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

std::runtime_error FileError(const char* what, const std::wstring& path, const char* why = "") {
  return std::runtime_error(what + ui::Utf8FromWide(path) + why);
}

}  // namespace

std::string ReadTextFile(const std::wstring& path) {
  FileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string bytes;
  if (!file.Valid() || !ReadAll(file.get(), bytes)) throw FileError("Cannot open file ", path);
  if (!IsPlainText(bytes)) throw FileError("Cannot open file ", path, ": it is not a plain text file");
  return NormaliseLineBreaks(bytes);
}

void WriteTextFile(const std::wstring& path, std::string_view text) {
  if (!MayReplace(path)) throw FileError("Cannot create file ", path);
  const std::wstring written = WriteTemporaryFile(FolderOfFile(path), text);
  if (written.empty()) throw FileError("Cannot create file ", path);
  if (!MoveFileExW(written.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(written.c_str());
    throw FileError("Cannot create file ", path);
  }
}

}  // namespace kestrelle
