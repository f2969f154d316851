#pragma once
// The one way the build tools write their output: the whole file or none of it. A file left half-written
// would be newer than its sources, so the build would not run the tool again and would ship it as it is.
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace kestrelle::tools {

// Writes bytes to path, replacing what was there; on any failure removes the file and returns false.
inline bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return true;
  std::remove(path.c_str());
  return false;
}

}  // namespace kestrelle::tools
