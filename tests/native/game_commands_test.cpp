// Game command lines pass the speech styles untouched; the speech around them is translated as before.
#include "speech/game_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "speech/command_text.h"
#include "speech/compiled_style.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"
#include "speech/text_preparation.h"

namespace kestrelle {
namespace {

TEST(GameCommands, WhichLinesAreCommands) {
  const struct {
    const char* line;
    bool command;
  } cases[] = {
      {"[bank", true},  {"[go britain  ", true}, {".resync", true}, {".Tele", true}, {"[", false},
      {".", false},     {"[5 gold", false},      {"[ bank", false}, {" [bank", false}, {"...", false},
      {". . .", false}, {".5", false},           {"", false},       {"bank [go", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsGameCommandLine(c.line), c.command) << '"' << c.line << '"';
}

// Each run of speech is shown in angle brackets, as the translation received it.
TEST(GameCommands, SpeechRunsAroundCommandLines) {
  std::string out;
  const TextWrite write = [&out](std::string_view text) { out += text; };
  const SpeechTranslation mark = [&out](std::string_view speech) {
    out += "<" + std::string(speech) + ">";
    return true;
  };
  const struct {
    const char* text;
    const char* result;
  } cases[] = {
      {"hello there", "<hello there>"},
      {"hello\r\nthere\r\n", "<hello\r\nthere\r\n>"},  // no command: one run, the whole text
      {"[bank", "[bank"},
      {"[bank\r\nhello", "[bank\r\n<hello>"},
      {"hi all\r\n[guild  \r\nbye", "<hi all>\r\n[guild  \r\n<bye>"},
      {"hi\n.resync\n.tele\nbye\n", "<hi>\n.resync\n.tele\n<bye\n>"},
      {"hi\r\n\r\n[bank\r\n", "<hi\r\n>\r\n[bank\r\n"},
      {"[bank\r\n\r\n[guild", "[bank\r\n\r\n[guild"},  // an empty line between commands is not translated
      {"a\r[bank\rb", "<a>\r[bank\r<b>"},
  };
  for (const auto& c : cases) {
    out.clear();
    EXPECT_TRUE(TranslateAroundGameCommands(c.text, mark, write));
    EXPECT_EQ(out, c.result) << c.text;
  }

  const SpeechTranslation stop = [](std::string_view) { return false; };
  EXPECT_FALSE(TranslateAroundGameCommands("hi\r\n[bank", stop, write));
  EXPECT_FALSE(TranslateAroundGameCommands("[bank\r\nhi", stop, write));
}

TEST(GameCommands, MemoParagraphsThatAreCommandsStayLines) {
  using Lines = std::vector<std::string>;
  const struct {
    Lines displayed;
    bool wordWrap;
    const char* text;
  } cases[] = {
      // The memo's text is the displayed lines joined by line breaks (a paragraph per line here).
      {{"hello all", "[bank"}, true, "hello all\r\n[bank"},
      {{"[go britain", "see you there"}, true, "[go britain\r\nsee you there"},
      {{"hello all", "", "friends", ".resync"}, true, "hello all friends\r\n.resync"},
      {{"hello all", "friends"}, true, "hello all friends"},
      {{"hello all", "[bank"}, false, "hello all\r\n[bank"},
  };
  for (const auto& c : cases) {
    std::string memo;
    for (std::size_t i = 0; i < c.displayed.size(); ++i) memo += (i > 0 ? "\r\n" : "") + c.displayed[i];
    EXPECT_EQ(JoinKeepingGameCommands(c.displayed, SplitParagraphs(memo), c.wordWrap), c.text) << memo;
  }
  EXPECT_EQ(SplitParagraphs("a\r\n\r\nb"), (Lines{"a", "", "b"}));
}

// In every style and with several seeds: commands come out as typed, and a text without one comes out
// as the plain translation with the same random draws.
TEST(GameCommands, EveryStyleLeavesCommandsAlone) {
  const std::string speech = "Hello there, friend! Where is the bank?";
  for (const SpeechStyle& style : kSpeechStyles) {
    for (const std::uint32_t seed : {0u, 2u, 12345u}) {
      SCOPED_TRACE(std::string(style.caption) + " seed " + std::to_string(seed));
      Translator kept;
      kept.StyleBase = style.base;
      kept.RandomSeed = seed;
      Translator plain = kept;
      CompiledStyle compiled(ShippedRules(), style.base);
      const auto run = [&](Translator& t, const std::string& text, GameCommands commands) {
        return TranslateText(compiled, t, text, commands, [] { return true; }).value();
      };
      EXPECT_EQ(run(kept, speech, GameCommands::LeaveAlone), run(plain, speech, GameCommands::TranslateAsSpeech));
      EXPECT_EQ(kept.RandomSeed, plain.RandomSeed);

      const std::string withCommands = "[bank\r\n" + speech + "\r\n.Resync  ";
      const std::string out = run(kept, withCommands, GameCommands::LeaveAlone);
      EXPECT_TRUE(out.starts_with("[bank\r\n")) << out;
      EXPECT_TRUE(out.ends_with("\r\n.Resync  ")) << out;
      EXPECT_EQ(out.substr(7, out.size() - 7 - 11), run(plain, speech, GameCommands::TranslateAsSpeech));
      EXPECT_EQ(kept.RandomSeed, plain.RandomSeed) << "no draw is spent on a command";
    }
  }
}

}  // namespace
}  // namespace kestrelle
