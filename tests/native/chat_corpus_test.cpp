// The shipped speech styles on everyday player chat (tests/chat/player-chat.txt): a guard against the
// breakages a program can see in what the rules put in. It does not judge style, only that no rule leaves
// "a" before a vowel or "an" before a consonant, the same word twice in a row, a blank or comma before a
// comma or full stop, or an empty line where the player wrote words.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rule_fixture.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"
#include "speech/translator.h"

namespace kestrelle {
namespace {

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string word; in >> word;) {
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    words.push_back(word);
  }
  return words;
}

std::string Bare(const std::string& word) {
  const size_t begin = word.find_first_not_of(",.!?;:*'\"");
  return begin == std::string::npos ? "" : word.substr(begin, word.find_last_not_of(",.!?;:*'\"") + 1 - begin);
}

// What is wrong with the translation of one line, or "" when nothing is; a pair of words that the player
// wrote is never blamed on the rules.
std::string Breakage(const std::string& input, const std::string& output) {
  std::set<std::pair<std::string, std::string>> written;
  const std::vector<std::string> in = Words(input);
  for (size_t i = 0; i + 1 < in.size(); ++i) written.insert({Bare(in[i]), Bare(in[i + 1])});
  const std::vector<std::string> out = Words(output);
  if (out.empty() && !in.empty()) return "empty line";
  for (const char* gap : {" ,", " .", ",,", ",.", ",!", ",?"}) {
    if (output.find(gap) != std::string::npos && input.find(gap) == std::string::npos) {
      return std::string("'") + gap + "'";
    }
  }
  for (size_t i = 0; i + 1 < out.size(); ++i) {
    const std::string word = Bare(out[i]), next = Bare(out[i + 1]);
    if (written.count({word, next}) != 0 || next.empty()) continue;
    const bool vowel = std::string_view("aeiou").find(next[0]) != std::string_view::npos &&
                       !next.starts_with("one") && !next.starts_with("uni") && !next.starts_with("use");
    const bool sentenceEnd = out[i].find_last_of(".!?") == out[i].size() - 1;
    if (word == "a" && vowel) return "'a " + next + "'";
    if (word == "an" && !vowel && next[0] != 'h' && std::isalpha(static_cast<unsigned char>(next[0]))) {
      return "'an " + next + "'";
    }
    if (word == next && !sentenceEnd) return "'" + word + "' twice";
  }
  return "";
}

TEST(ChatCorpus, GuardFindsEachBreakage) {
  EXPECT_EQ(Breakage("what an awesome party", "What an radical party"), "'an radical'");
  EXPECT_EQ(Breakage("a zombie", "A icky dead dude"), "'a icky'");
  EXPECT_EQ(Breakage("yeah ok", "Solid, solid"), "'solid' twice");
  EXPECT_EQ(Breakage("where is the bank?", "Where is , like, the bank?"), "' ,'");
  EXPECT_EQ(Breakage("is it?", "Is it, like,?"), "',?'");
  EXPECT_EQ(Breakage("hi", ""), "empty line");
  EXPECT_EQ(Breakage("a apple, an unicorn", "A apple, an unicorn"), "") << "the player's own words";
  EXPECT_EQ(Breakage("hi. hi", "Hi. hi, an hour, a one, an 8"), "");
}

// The corpus as one text, every line ending in a blank as a line of its own would: the rules see each
// line as the filter's --lines mode does (a line break is no blank, so no rule reaches across one), at a
// fraction of the cost; only the order of the random draws differs.
TEST(ChatCorpus, EveryStyleAndSeedReadsWithoutVisibleBreakage) {
  std::ifstream file(KESTRELLE_SOURCE_DIR "/tests/chat/player-chat.txt");
  std::vector<std::string> lines;
  std::string text;
  for (std::string line; std::getline(file, line);) {
    lines.push_back(line);
    for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    text += line + " \n";
  }
  ASSERT_GE(lines.size(), 150u);
  for (const SpeechStyle& style : kSpeechStyles) {
    for (std::uint32_t seed = 0; seed < 5; ++seed) {
      Translator translator;
      translator.StyleBase = style.base;
      translator.RandomSeed = seed;
      std::istringstream translated(test::Rewritten(ShippedRules(), translator, text).value());
      size_t n = 0;
      for (std::string out; std::getline(translated, out) && n < lines.size(); ++n) {
        const std::string problem = Breakage(lines[n], out);
        EXPECT_EQ(problem, "") << style.name << ", seed " << seed << ": \"" << lines[n] << "\" -> \"" << out << "\"";
      }
      EXPECT_EQ(n, lines.size()) << style.name << ", seed " << seed << ": lines lost";
    }
  }
}

}  // namespace
}  // namespace kestrelle
