#pragma once
// The compiled reference tables of this build and their text sources, for the reference tests.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "table_source.h"

namespace kestrelle::test {

inline std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// name: "weapons", "armour" or "animals".
inline std::vector<std::uint8_t> CompiledTable(const std::string& name) {
  return ReadFileBytes(std::string(KESTRELLE_BINARY_DIR) + "/resources/tables/" + name + ".bin");
}

inline tables::TTableSource TableSource(const std::string& name) {
  const std::string path = std::string(KESTRELLE_SOURCE_DIR) + "/resources/tables/" + name + ".txt";
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot open " + path);
  return tables::ParseTableSource(in, path);
}

}  // namespace kestrelle::test
