#pragma once
// The human-readable source of a reference table (resources/tables/*.txt) and its compilation into the
// byte format of the program's table resources. Used by the tables2bin build tool and by the tests that
// compare the compiled tables and the pictures with their source.
//
// Source format: lines starting with "#" and blank lines are ignored; the first other line is the header,
// the rest are rows, all with the same "|"-separated columns (blanks around a value are trimmed):
//   [Category |] Name | <field> | ... | <field> | Picture
// Fields are unsigned 16-bit decimals in record order; Picture is the bitmap's "<width>x<height>".
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace kestrelle::tables {

struct TSourceRow {
  std::string Category;  // empty in a table without categories
  std::string Name;
  std::vector<std::uint16_t> Fields;
  int PictureWidth = 0;
  int PictureHeight = 0;
};

struct TTableSource {
  bool HasCategories = false;
  std::vector<std::string> FieldNames;
  std::vector<TSourceRow> Rows;
};

// Reads a table source; throws std::runtime_error("<sourceName>:<line>: <problem>") on any malformed
// line, so that a typo stops the build instead of shipping a broken table.
TTableSource ParseTableSource(std::istream& in, const std::string& sourceName);

// The resource bytes: a category header before the first row of each category (tables with categories),
// one item record per row, then endZeros 0 bytes.
std::vector<std::uint8_t> EncodeTable(const TTableSource& table, int endZeros);

}  // namespace kestrelle::tables
