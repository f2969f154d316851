#pragma once
// Command line shared by the rule compilers: OUTPUT BASE FILE [BASE FILE ...]. Every rule file is parsed
// with the program's own reader, so a file that breaks the format fails the build, naming the line.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "output_file.h"
#include "speech/rule_file.h"

namespace kestrelle::tools {

struct RuleSource {
  int base;
  std::string file;
  std::vector<std::string> strings;  // id base + 1 + i
};

[[noreturn]] inline void Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::exit(1);
}

inline std::vector<RuleSource> ReadRuleSources(int argc, char** argv, const char* tool) {
  if (argc < 2 || argc % 2 != 0) Fail(std::string("usage: ") + tool + " OUTPUT [BASE RULEFILE]...");
  std::vector<RuleSource> sources;
  for (int i = 2; i + 1 < argc; i += 2) {
    RuleSource source{std::atoi(argv[i]), argv[i + 1], {}};
    if (source.base <= 0) Fail(std::string(tool) + ": invalid style base " + argv[i]);
    try {
      source.strings = ReadRuleFile(source.file);
    } catch (const RuleFileError& error) {
      Fail(source.file + ": " + error.what());
    }
    sources.push_back(std::move(source));
  }
  return sources;
}

// Writes the whole output or fails (see output_file.h).
inline void WriteOutput(const std::string& path, const std::string& content) {
  if (!WriteWholeFile(path, content)) Fail("cannot write " + path);
}

}  // namespace kestrelle::tools
