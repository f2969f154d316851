// The kestrelle-translate program itself: options, exit codes, and the same output as the engine.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "speech/compiled_style.h"
#include "speech/shipped_rules.h"
#include "speech/text_encoding.h"

namespace kestrelle {
namespace {

namespace fs = std::filesystem;

struct FilterRun {
  int status;
  std::string out;
  std::string err;
};

class Filter : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(KESTRELLE_BINARY_DIR) / "filter_test" / testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::create_directories(dir_);
  }

  fs::path Write(const std::string& name, const std::string& content) const {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  static std::string Read(const fs::path& path) {
    std::ostringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
  }

  // shellPrefix runs first in the same shell, to set limits for the filter.
  FilterRun Translate(const std::string& args, const std::string& input = "", const std::string& shellPrefix = "") const {
    const fs::path in = Write("stdin", input);
    const std::string command = shellPrefix + "'" + KESTRELLE_TRANSLATE_FILTER + "' " + args + " <'" + in.string() +
                                "' >'" + (dir_ / "stdout").string() + "' 2>'" + (dir_ / "stderr").string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Read(dir_ / "stdout"), Read(dir_ / "stderr")};
  }

  fs::path dir_;
};

TEST_F(Filter, UsageErrorsExitWithTwo) {
  for (const char* args : {"--bogus", "--style bogus", "--style", "--seed x", "--seed 4294967296", "--seed=-1",
                           "--lines=yes", "--style courtly --rules x.rules"}) {
    const FilterRun run = Translate(args, "hi\n");
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_TRUE(run.out.empty()) << args;
    EXPECT_NE(run.err.find("--help"), std::string::npos) << args << ": " << run.err;
  }
  const FilterRun help = Translate("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--style STYLE"), std::string::npos);
}

TEST_F(Filter, UnreadableInputsAndBrokenRulesExitWithOne) {
  const FilterRun missing = Translate("'" + (dir_ / "missing.txt").string() + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("missing.txt"), std::string::npos) << missing.err;

  const FilterRun missingRules = Translate("--rules '" + (dir_ / "missing.rules").string() + "'", "hi\n");
  EXPECT_EQ(missingRules.status, 1);
  EXPECT_NE(missingRules.err.find("missing.rules"), std::string::npos) << missingRules.err;

  const fs::path broken = Write("broken.rules", "# two rules\n\" a\"\n\" b\"\n\" c \"\n\"%STOP\"\n");
  const FilterRun run = Translate("--rules '" + broken.string() + "'", "hi\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("broken.rules: line 5: \"%STOP\" where a replacement belongs"), std::string::npos) << run.err;
  EXPECT_TRUE(run.out.empty());
}

TEST_F(Filter, EveryInputIsReadInFullOrNamed) {
  const std::string a = "'" + Write("a.txt", "one. ").string() + "'";
  const std::string b = "'" + Write("b.txt", "two.").string() + "'";
  const std::string empty = "'" + Write("empty.txt", "").string() + "'";
  const std::string folder = "'" + dir_.string() + "'";
  const std::string emptyRules = "'" + Write("empty.rules", "").string() + "'";
  const std::string openRandom = "'" + Write("open.rules", "\"a\"\n\"<%RANDOM(a|b>\"\n\"%STOP\"\n").string() + "'";
  struct Case {
    std::string args;
    int status;
    std::string out;
    std::string err;  // a part of the message
  };
  const Case cases[] = {
      {a + " " + empty + " " + b, 0, "One. Two.", ""},
      {empty + " " + a, 0, "One.", ""},
      {"--lines " + empty + " " + a, 0, "One.", ""},
      {a + " " + folder + " " + b, 1, "", dir_.string() + " is a directory"},
      {"--lines " + a + " " + folder, 1, "One.", dir_.string() + " is a directory"},
      {"--rules " + folder + " " + a, 1, "", dir_.string() + ": is a directory"},
      {"--rules " + emptyRules + " " + a, 1, "", "empty.rules: missing end marker"},
      {"--rules " + openRandom + " " + a, 1, "", "open.rules: line 2: %RANDOM( without its closing ')'"},
  };
  for (const Case& c : cases) {
    const FilterRun run = Translate(c.args);
    EXPECT_EQ(run.status, c.status) << c.args;
    EXPECT_EQ(run.out, c.out) << c.args;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << c.args << ": " << run.err;
  }
}

TEST_F(Filter, RunningOutOfMemoryIsSaid) {
#ifdef KESTRELLE_SANITIZED
  GTEST_SKIP() << "the sanitizers' allocator ends the program itself when memory runs out";
#endif
  // Each letter becomes 1023 characters: 300 MB of output, under a limit of 256 MiB of address space.
  const fs::path rules = Write("grow.rules", "\"a\"\n\"" + std::string(1023, 'x') + "\"\n\"%STOP\"\n");
  const FilterRun run = Translate("--rules '" + rules.string() + "'", std::string(300000, 'a'), "ulimit -v 262144; ");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "kestrelle-translate: not enough memory to translate this text\n");
}

TEST_F(Filter, OutputThatCannotBeWrittenExitsWithOne) {
  // /dev/full takes nothing; a failed write must not pass for success, in either mode and whatever the
  // size (a large text fails inside the writes, before the final flush).
  const fs::path input = Write("input.txt", "hello\nworld\n" + std::string(100000, 'a'));
  for (const char* args : {"", "--lines", "--help"}) {
    const std::string command = std::string("'") + KESTRELLE_TRANSLATE_FILTER + "' " + args + " <'" +
                                input.string() + "' >/dev/full 2>/dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1) << "args: '" << args << "'";
  }
}

TEST_F(Filter, PreparesTheTextAsTheTranslateCommand) {
  EXPECT_EQ(Translate("", "HELLO World. i think so\r\nYES  \n").out, "HELLO World. I think so\r\nYES  \n");
  const fs::path rules = Write("thuh.rules", "\" the \"\n\" thuh \"\n\"%STOP\"\n");
  EXPECT_EQ(Translate("--rules '" + rules.string() + "'", "The cat and THE dog.\nThe end").out,
            "The cat and thuh dog.\nThe end");
  const fs::path first = Write("first.txt", "see the");
  const fs::path second = Write("second.txt", " end\n");
  EXPECT_EQ(Translate("--rules '" + rules.string() + "' '" + first.string() + "' - '" + second.string() + "'", " the").out,
            "See thuh thuh end\n")
      << "files and standard input (-) make one text";
}

TEST_F(Filter, LinesAreTranslatedOnTheirOwnWithTheirBreaks) {
  const fs::path rules = Write("thuh.rules", "\" the \"\n\" thuh \"\n\"%STOP\"\n");
  const FilterRun run = Translate("--lines --rules '" + rules.string() + "'", "a THE b\r\nThe END\n\nx the");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "A thuh b\r\nThe END\n\nX thuh");
  // A line longer than one read of the input is still one line.
  const std::string longLine(100000, 'x');
  EXPECT_EQ(Translate("--lines --rules '" + rules.string() + "'", longLine + " the\r\nthe").out,
            "X" + longLine.substr(1) + " thuh\r\nThe");
}

// Every encoding the window opens is read, in both modes; UTF-16 comes out as UTF-8.
TEST_F(Filter, ReadsTextFilesInEveryEncoding) {
  const fs::path rules = Write("thuh.rules", "\" the \"\n\" thuh \"\n\"%STOP\"\n");
  const std::u32string input = U"caf\u00E9 the \U0001F600.\r\nthe end";
  const std::string translated = "Caf\xC3\xA9 thuh \xF0\x9F\x98\x80.\r\nThe end";
  const std::pair<std::string, std::string> cases[] = {  // input, output; no output: UTF-16 broken
      {EncodeUnicode(input, TextEncoding::Utf8), translated},
      {EncodeUnicode(input, TextEncoding::Utf8Bom), translated},
      {EncodeUnicode(input, TextEncoding::Utf16LE), translated},
      {EncodeUnicode(input, TextEncoding::Utf16BE), translated},
      {"caf\xE9 the \xEF\xBB", "Caf\xE9 thuh \xEF\xBB"},  // 8-bit text, and a mark's false start
      {std::string("\xFF\xFE" "t\0h\0e\0\0\xD8", 10), ""},
  };
  for (const char* mode : {"", "--lines "}) {
    for (const auto& [in, out] : cases) {
      const FilterRun run = Translate(mode + std::string("--rules '") + rules.string() + "'", in);
      EXPECT_EQ(run.status, out.empty() ? 1 : 0) << mode << out;
      if (!out.empty()) EXPECT_EQ(run.out, out) << mode;
      if (out.empty()) EXPECT_NE(run.err.find("standard input is not valid UTF-16 text"), std::string::npos) << run.err;
    }
  }
}

// Command lines come out as written in both modes; --commands-as-speech translates them like speech.
TEST_F(Filter, GameCommandLinesAreLeftAlone) {
  const fs::path rules = Write("thuh.rules", "\" the \"\n\" thuh \"\n\"%STOP\"\n");
  const std::string input = "[go the bank  \nsee the bank\n.Tele the end\n. the end";
  const struct {
    const char* options;
    const char* out;
  } cases[] = {
      {"", "[go the bank  \nSee thuh bank\n.Tele the end\n. Thuh end"},
      {"--lines", "[go the bank  \nSee thuh bank\n.Tele the end\n. Thuh end"},
      {"--commands-as-speech", "[Go thuh bank  \nsee thuh bank\n.Tele thuh end\n. Thuh end"},
      {"--lines --commands-as-speech", "[Go thuh bank\nSee thuh bank\n.Tele thuh end\n. Thuh end"},
  };
  for (const auto& c : cases) {
    const FilterRun run = Translate(std::string(c.options) + " --rules '" + rules.string() + "'", input);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, c.out) << c.options;
  }
}

TEST_F(Filter, SameOutputAsTheEngineWithTheShippedRules) {
  const std::string text = "Hello there, friend! I want to buy a sword and some armour.\nWhat time is it? Thanks!\n";
  for (const char* style : {"valley-girl", "jive-talk", "courtly"}) {
    for (const std::uint32_t seed : {0u, 77u}) {
      Translator translator;
      translator.StyleBase = std::string(style) == "valley-girl" ? 1000 : std::string(style) == "jive-talk" ? 2000 : 3000;
      translator.RandomSeed = seed;
      CompiledStyle compiled(ShippedRules(), translator.StyleBase);
      const std::string expected = TranslateText(compiled, translator, text, GameCommands::LeaveAlone, {}).value();
      const FilterRun run = Translate(std::string("--style ") + style + " --seed " + std::to_string(seed), text);
      EXPECT_EQ(run.status, 0);
      EXPECT_EQ(run.out, expected) << style << " seed " << seed;
    }
  }
}

}  // namespace
}  // namespace kestrelle
