#include "translator/text_file.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "base/utf16.h"
#include "ui/system_error.h"
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

// Reads to the end, or stops once more than most bytes have come: a file that grows while it is read is
// refused like a large one, never read without end.
bool ReadAll(HANDLE file, std::string& bytes, std::size_t most) {
  char chunk[65536];
  while (bytes.size() <= most) {
    DWORD read = 0;
    if (!ReadFile(file, chunk, sizeof chunk, &read, nullptr)) return false;
    if (read == 0) return true;
    bytes.append(chunk, read);
  }
  return true;
}

bool WriteAll(HANDLE file, std::string_view text) {
  while (!text.empty()) {
    const DWORD portion = static_cast<DWORD>(std::min<size_t>(text.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, text.data(), portion, &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_DISK_FULL);
      return false;
    }
    text.remove_prefix(written);
  }
  return FlushFileBuffers(file) != 0;
}

// The path as the file functions take it at any length: full, and in the form without the system's limit
// of 260 characters, which the file dialogs do not keep to.
std::wstring SystemPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::wstring full(needed, L'\0');
  full.resize(GetFullPathNameW(path.c_str(), needed, full.data(), nullptr));
  return ExtendedLengthPath(full);
}

// A new file in a folder, for the text before it takes the target's place; deleted again unless it did.
// Its name is made here rather than by the system, whose naming takes only folders of fewer than 260
// characters.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::wstring& folder) {
    static unsigned made = 0;
    const std::wstring prefix = folder + (folder.ends_with(L'\\') ? L"" : L"\\") + L"kes" +
                                std::to_wstring(GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 100; ++attempt) {
      name_ = prefix + std::to_wstring(++made) + L".tmp";
      file_.emplace(CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
      if (file_->Valid() || GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (!file_->Valid()) {
      error_ = GetLastError();
      name_.clear();
    }
  }
  ~TemporaryFile() {
    if (file_ && file_->Valid()) file_->Close();
    if (!name_.empty()) DeleteFileW(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool Created() const { return !name_.empty(); }
  // Why the file could not be made.
  DWORD Error() const { return error_; }
  // Writes the whole text and closes the file, reporting whether the system took all of it.
  bool Write(std::string_view text) { return WriteAll(file_->get(), text) && file_->Close(); }
  // Moves the closed file to the target's place, replacing what is there.
  bool Replace(const std::wstring& target) {
    if (!MoveFileExW(name_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return false;
    name_.clear();
    return true;
  }

 private:
  std::wstring name_;
  std::optional<FileHandle> file_;
  DWORD error_ = ERROR_SUCCESS;
};

// Not every system refuses to move a file over a read-only one, so the target's attributes are checked
// first: a read-only file, like a folder, is never replaced.
bool MayReplace(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ||
         (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

std::runtime_error FileError(const char* what, const std::wstring& path, const std::string& why) {
  return std::runtime_error(what + ui::Utf8FromWide(path) + ": " + why);
}

std::runtime_error FileError(const char* what, const std::wstring& path, DWORD code) {
  return FileError(what, path, ui::SystemErrorText(code));
}

// The system's ANSI code page, in which files older than Unicode come.
class SystemCodePage final : public CodePage {
 public:
  // Nothing where the system would put a stand-in in place of a character the code page lacks.
  std::optional<std::string> FromCharacters(std::u32string_view characters) const override {
    if (characters.empty()) return std::string();
    const std::u16string units = Utf16FromCharacters(characters);
    const auto* wide = reinterpret_cast<const wchar_t*>(units.data());
    const int length = static_cast<int>(units.size());
    // The code page of UTF-8 holds every character, and the system takes no replacement flags for it; it
    // refuses only a lone surrogate.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL replaced = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr, utf8 ? nullptr : &replaced);
    if (size == 0 || replaced) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
  }
  bool Holds(char32_t character) const override { return FromCharacters({&character, 1}).has_value(); }
  std::u32string ToCharacters(std::string_view text) const override {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    std::u16string units(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0)), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, reinterpret_cast<wchar_t*>(units.data()),
                        static_cast<int>(units.size()));
    return CharactersFromUtf16(units);
  }
};

}  // namespace

MemoFileText ReadTextFile(const std::wstring& path) {
  constexpr const char* kCannotOpen = "Cannot open file ";
  FileHandle file(CreateFileW(SystemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) throw FileError(kCannotOpen, path, GetLastError());
  // A device (a reserved name such as nul.txt) or a pipe reads as empty or never ends.
  if (GetFileType(file.get()) != FILE_TYPE_DISK) {
    throw FileError(kCannotOpen, path, "it is a device or a pipe, not a file");
  }
  const std::string tooLarge = LargerThanTheMemoReason();
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) throw FileError(kCannotOpen, path, GetLastError());
  if (static_cast<unsigned long long>(size.QuadPart) > kMostFileBytes) throw FileError(kCannotOpen, path, tooLarge);
  std::string bytes;
  if (!ReadAll(file.get(), bytes, kMostFileBytes)) throw FileError(kCannotOpen, path, GetLastError());
  if (bytes.size() > kMostFileBytes) throw FileError(kCannotOpen, path, tooLarge);
  try {
    return MemoTextOfFile(bytes, SystemCodePage());
  } catch (const FileTextError& error) {
    throw FileError(kCannotOpen, path, error.what());
  }
}

void WriteTextFile(const std::wstring& path, std::string_view text, TextEncoding encoding, LineEnd lineEnd) {
  constexpr const char* kCannotCreate = "Cannot create file ";
  const std::wstring target = SystemPath(path);
  if (!MayReplace(target)) throw FileError(kCannotCreate, path, ERROR_ACCESS_DENIED);
  std::string bytes;
  try {
    bytes = FileBytesOfMemoText(WithLineEnds(text, lineEnd), encoding, SystemCodePage());
  } catch (const FileTextError& error) {
    throw FileError(kCannotCreate, path, error.what());
  }
  TemporaryFile written(FolderOfFile(target));
  if (!written.Created()) throw FileError(kCannotCreate, path, written.Error());
  // A full disk shows here, when the file could be made but not filled.
  if (!written.Write(bytes)) {
    throw FileError("Cannot write file ", path, GetLastError());
  }
  if (!written.Replace(target)) throw FileError(kCannotCreate, path, GetLastError());
}

std::optional<LetterNotHeld> LetterTheCodePageLacks(std::string_view text) {
  return FirstLetterNotHeld(text, SystemCodePage());
}

}  // namespace kestrelle
