#include "ui/font_face.h"

#include <windows.h>

#include <map>

#include "ui/smart_handle.h"

namespace kestrelle::ui {
namespace {

// The stand-ins, each no wider than its face at the layout's sizes, so that every caption stays in its room:
// Arial's metric twin, as Wine draws it, overflows the tighter labels, groups and radio items, so a narrow
// sans serif takes its place; Courier New and Times New Roman have their metric twins.
struct StandIn {
  const char* face;
  const char* standIn;
};
constexpr StandIn kStandIns[] = {
    {"Arial", "Liberation Sans Narrow"},
    {"Courier New", "Liberation Mono"},
    {"Times New Roman", "Liberation Serif"},
};

int CALLBACK NoteFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

bool IsInstalled(const char* face) {
  LOGFONTA query{};
  query.lfCharSet = ANSI_CHARSET;
  lstrcpynA(query.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  MemoryDcHandle canvas(CreateCompatibleDC(nullptr));
  EnumFontFamiliesExA(canvas.Get(), &query, &NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

}  // namespace

const std::string& InstalledFace(const std::string& face) {
  static std::map<std::string, std::string> chosen;
  const auto [entry, added] = chosen.try_emplace(face, face);
  if (added && !IsInstalled(face.c_str())) {
    for (const StandIn& standIn : kStandIns) {
      if (face == standIn.face && IsInstalled(standIn.standIn)) entry->second = standIn.standIn;
    }
  }
  return entry->second;
}

}  // namespace kestrelle::ui
