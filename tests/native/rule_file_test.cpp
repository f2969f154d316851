#include "speech/rule_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace kestrelle {
namespace {

TEST(RuleFile, ReadsStringsInIdOrder) {
  const std::vector<std::string> strings = ParseRuleFile(
      "# Valley Girl\n"
      "\n"
      "\" the \"\n"
      "   \" thuh \"  \t\n"
      "  # indented comment\n"
      "\"say \\\"hi\\\" \\\\ bye\"\r\n"
      "\"\"\n"
      "\"%stop\"\n"
      "\" %STOP\"\n"
      "\"%STOP\"\n"
      "# trailing comment\n\n");
  const std::vector<std::string> expected = {" the ", " thuh ", "say \"hi\" \\ bye", "", "%stop", " %STOP", "%STOP"};
  EXPECT_EQ(strings, expected);
}

TEST(RuleFile, KeepsEightBitTextAndTabs) {
  EXPECT_EQ(ParseRuleFile("\"caf\xc3\xa9\"\n\"\ta\"\n\"%STOP\""), (std::vector<std::string>{"caf\xc3\xa9", "\ta", "%STOP"}));
}

TEST(RuleFile, ErrorsNameTheLine) {
  std::string tooMany;
  for (size_t i = 0; i + 1 < kMaxRuleStrings; ++i) tooMany += "\"a\"\n";
  struct Case {
    std::string content;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"\"a\"\n\"b\n\"%STOP\"\n", 2, "unterminated string"},
      {"\"a\\\"\n", 1, "unterminated string"},
      {"\"a\\n\"\n\"b\"\n\"%STOP\"\n", 1, "unknown escape \\n"},
      {"\"a\" x\n\"b\"\n\"%STOP\"\n", 1, "text after the closing quote: 'x'"},
      {"\"a\"\"b\"\n\"%STOP\"\n", 1, "text after the closing quote"},
      {"a\n", 1, "expected a string in double quotes, found 'a'"},
      {"\"a\"\n\"b\"\n", 2, "missing end marker"},
      {"\"a\"\n\"b\"\n\"c\"\n\n", 3, "the pattern has no replacement"},
      {"\"a\"\n\"%STOP\"\n", 2, "where a replacement belongs: the pattern on line 1"},
      {"\"%STOP\"\n\"a\"\n", 2, "text after the end marker"},
      {"\"a\x01\"\n", 1, "control character"},
      {"\"a\"\n\"b\"\n\"%STOP\"  z\n", 3, "text after the closing quote"},
      {"\xEF\xBB\xBF\"a\"\n\"b\"\n\"%STOP\"\n", 1, "UTF-8 byte-order mark"},
      {"\"a\"\n\"<%RANDOM(x|y)%RANDOM(a|b>\"\n\"%STOP\"\n", 2, "%RANDOM( without its closing ')'"},
      {tooMany + "\"b\"\n\"c\"\n\"%STOP\"\n", 999, "too many rules: a rule file holds at most 499 rules"},
  };
  for (const Case& c : cases) {
    try {
      ParseRuleFile(c.content);
      ADD_FAILURE() << "accepted: " << c.content;
    } catch (const RuleFileError& error) {
      EXPECT_EQ(error.line(), c.line) << c.content;
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
      EXPECT_EQ(std::string(error.what()).rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << error.what();
    }
  }
}

TEST(RuleFile, LimitsFollowTheStringTable) {
  const std::string longest(kMaxRuleStringLength, 'x');
  EXPECT_EQ(ParseRuleFile("\"" + longest + "\"\n\"\"\n\"%STOP\"").front(), longest);
  EXPECT_THROW(ParseRuleFile("\"" + longest + "x\"\n\"\"\n\"%STOP\""), RuleFileError);
  std::string many;
  for (size_t i = 0; i + 1 < kMaxRuleStrings; ++i) many += "\"a\"\n";
  EXPECT_EQ(ParseRuleFile(many + "\"%STOP\"").size(), kMaxRuleStrings);
  EXPECT_THROW(ParseRuleFile(many + "\"a\"\n\"b\"\n\"%STOP\""), RuleFileError);
  EXPECT_THROW(ParseRuleFile(""), RuleFileError);
}

TEST(RuleFile, UnreadableFileOrDirectory) {
  const auto dir = std::filesystem::path(KESTRELLE_BINARY_DIR);
  for (const auto& [path, message] : {std::pair{dir / "no-such.rules", "cannot open"}, {dir, "is a directory"}}) {
    try {
      ReadRuleFile(path);
      ADD_FAILURE() << "read " << path;
    } catch (const RuleFileError& error) {
      EXPECT_EQ(error.line(), 0);
      EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace kestrelle
