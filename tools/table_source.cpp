#include "table_source.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string_view>

namespace kestrelle::tables {
namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::vector<std::string> SplitColumns(std::string_view line) {
  std::vector<std::string> columns;
  for (;;) {
    const std::size_t bar = line.find('|');
    columns.emplace_back(Trim(line.substr(0, bar)));
    if (bar == std::string_view::npos) return columns;
    line.remove_prefix(bar + 1);
  }
}

class TSourceError {
 public:
  TSourceError(const std::string& sourceName, int line) : Prefix(sourceName + ":" + std::to_string(line) + ": ") {}
  [[noreturn]] void Fail(const std::string& problem) const { throw std::runtime_error(Prefix + problem); }

 private:
  std::string Prefix;
};

bool ParseNumber(std::string_view text, int& value) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

// Names become tab captions, list lines and picture names: plain printable ASCII, and never starting with
// "%", which would read as a category header.
void CheckName(const std::string& name, const char* what, const TSourceError& error) {
  if (name.empty()) error.Fail(std::string(what) + " is empty");
  if (name.front() == '%') error.Fail(std::string(what) + " \"" + name + "\" starts with %");
  for (const char c : name) {
    if (c < 0x20 || c > 0x7e) error.Fail(std::string(what) + " \"" + name + "\" holds a character that is not printable ASCII");
  }
}

struct THeader {
  bool HasCategories = false;
  std::vector<std::string> FieldNames;
};

THeader ParseHeader(const std::vector<std::string>& columns, const TSourceError& error) {
  THeader header;
  header.HasCategories = !columns.empty() && columns.front() == "Category";
  const std::size_t nameColumn = header.HasCategories ? 1 : 0;
  if (columns.size() < nameColumn + 3 || columns[nameColumn] != "Name" || columns.back() != "Picture") {
    error.Fail("header must be [Category |] Name | <field> | ... | Picture");
  }
  header.FieldNames.assign(columns.begin() + static_cast<std::ptrdiff_t>(nameColumn) + 1, columns.end() - 1);
  for (const std::string& field : header.FieldNames) {
    if (field.empty()) error.Fail("header has an empty field name");
  }
  return header;
}

TSourceRow ParseRow(const std::vector<std::string>& columns, const TTableSource& table, const TSourceError& error) {
  const std::size_t nameColumn = table.HasCategories ? 1 : 0;
  if (columns.size() != nameColumn + table.FieldNames.size() + 2) {
    error.Fail("expected " + std::to_string(nameColumn + table.FieldNames.size() + 2) + " columns, found " +
               std::to_string(columns.size()));
  }
  TSourceRow row;
  if (table.HasCategories) {
    row.Category = columns[0];
    CheckName(row.Category, "category", error);
  }
  row.Name = columns[nameColumn];
  CheckName(row.Name, "name", error);
  for (std::size_t i = 0; i < table.FieldNames.size(); ++i) {
    int value = 0;
    const std::string& text = columns[nameColumn + 1 + i];
    if (!ParseNumber(text, value) || value < 0 || value > 0xFFFF) {
      error.Fail(table.FieldNames[i] + " \"" + text + "\" is not a number from 0 to 65535");
    }
    row.Fields.push_back(static_cast<std::uint16_t>(value));
  }
  const std::string_view picture = columns.back();
  const std::size_t x = picture.find('x');
  if (x == std::string_view::npos || !ParseNumber(picture.substr(0, x), row.PictureWidth) ||
      !ParseNumber(picture.substr(x + 1), row.PictureHeight) || row.PictureWidth < 1 || row.PictureHeight < 1) {
    error.Fail("picture size \"" + std::string(picture) + "\" is not <width>x<height>");
  }
  return row;
}

// A category is one run of rows; the same name turning up again later would make a second tab of it.
void CheckCategoryOrder(const TTableSource& table, const TSourceRow& row, const TSourceError& error) {
  if (table.Rows.empty() || table.Rows.back().Category == row.Category) return;
  const bool seenBefore = std::any_of(table.Rows.begin(), table.Rows.end(),
                                      [&](const TSourceRow& earlier) { return earlier.Category == row.Category; });
  if (seenBefore) error.Fail("category \"" + row.Category + "\" appears again after another category");
}

void AppendName(std::vector<std::uint8_t>& bytes, const std::string& name) {
  bytes.insert(bytes.end(), name.begin(), name.end());
  bytes.push_back(0);  // end of the name
  bytes.push_back(0);  // reserved
}

}  // namespace

TTableSource ParseTableSource(std::istream& in, const std::string& sourceName) {
  TTableSource table;
  bool haveHeader = false;
  std::string line;
  for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
    const std::string_view content = Trim(line);
    if (content.empty() || content.front() == '#') continue;
    const TSourceError error(sourceName, lineNumber);
    const std::vector<std::string> columns = SplitColumns(content);
    if (!haveHeader) {
      THeader header = ParseHeader(columns, error);
      table.HasCategories = header.HasCategories;
      table.FieldNames = std::move(header.FieldNames);
      haveHeader = true;
      continue;
    }
    TSourceRow row = ParseRow(columns, table, error);
    CheckCategoryOrder(table, row, error);
    table.Rows.push_back(std::move(row));
  }
  if (table.Rows.empty()) throw std::runtime_error(sourceName + ": no rows");
  return table;
}

std::vector<std::uint8_t> EncodeTable(const TTableSource& table, int endZeros) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < table.Rows.size(); ++i) {
    const TSourceRow& row = table.Rows[i];
    if (table.HasCategories && (i == 0 || row.Category != table.Rows[i - 1].Category)) {
      bytes.push_back('%');
      AppendName(bytes, row.Category);
    }
    AppendName(bytes, row.Name);
    for (const std::uint16_t field : row.Fields) {
      bytes.push_back(static_cast<std::uint8_t>(field & 0xFF));
      bytes.push_back(static_cast<std::uint8_t>(field >> 8));
    }
  }
  bytes.insert(bytes.end(), static_cast<std::size_t>(std::max(endZeros, 0)), 0);
  return bytes;
}

}  // namespace kestrelle::tables
