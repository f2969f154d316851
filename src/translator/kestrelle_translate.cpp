// kestrelle-translate: the translator as a command-line filter. By default the whole input is one text,
// prepared and finished as the Translate command does it, so the filter and the window give the same
// output for the same text and seed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>

#include "translator/compiled_rules.h"
#include "translator/filter_options.h"
#include "translator/game_commands.h"
#include "translator/linked_text.h"
#include "translator/rewrite_engine.h"
#include "translator/rule_file.h"
#include "translator/rule_set.h"
#include "translator/shipped_rules.h"
#include "translator/speech_styles.h"
#include "translator/stream_reading.h"
#include "translator/text_preparation.h"
#include "translator/translator.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace kestrelle {
namespace {

// Exit status 1: an input or rule file that cannot be used. Usage errors are exit status 2.
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Translates texts one after another in one style and writes each to standard output, finished as the
// Translate command finishes it. The rules are compiled once for all the texts.
class Filter {
 public:
  Filter(Translator& translator, const RuleStrings& rules, GameCommands commands)
      : translator_(translator), commands_(commands) {
    if (translator.StyleBase == 0) return;
    compiled_ = std::make_unique<CompiledRules>(ReadRuleSet(rules, translator.StyleBase));
    engine_ = std::make_unique<RewriteEngine>(*compiled_);
  }

  // A text with a game command line is translated run by run around its commands and written whole;
  // any other goes the direct way.
  void WriteTranslation(std::string text) {
    if (commands_ == GameCommands::TranslateAsSpeech || !HasGameCommandLine(text)) {
      Translate(std::move(text), writer_);
      return;
    }
    const std::string result = *TranslateAroundGameCommands(text, [this](std::string_view speech) {
      std::string translated;
      FinishedTextWriter writer([&translated](std::string_view piece) { translated += piece; });
      Translate(std::string(speech), writer);
      return std::optional(std::move(translated));
    });
    std::fwrite(result.data(), 1, result.size(), stdout);
  }

  // The text is prepared in place and, translated, written piece by piece: nothing is held twice.
  void Translate(std::string text, FinishedTextWriter& writer) {
    text = PrepareForTranslation(std::move(text));
    if (!engine_) {
      writer.Add(text);
    } else {
      spare_ = linked_.Assign(std::move(text));
      engine_->Run(linked_, translator_, BetweenAlternatives());
      linked_.ForEachPiece([&](std::string_view piece) { writer.Add(piece); });
    }
    writer.End();
  }

  // Each line on its own; the line break (line feed, or carriage return and line feed) is kept as it is.
  // The output is flushed whenever no more input is waiting, so that a line typed in is answered at once.
  void TranslateLines(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
      const bool hadBreak = !in.eof();
      std::string_view lineBreak = hadBreak ? "\n" : "";
      std::string_view content = line;
      if (hadBreak && content.ends_with('\r')) {
        content.remove_suffix(1);
        lineBreak = "\r\n";
      }
      spare_.assign(content);
      WriteTranslation(std::move(spare_));
      std::fwrite(lineBreak.data(), 1, lineBreak.size(), stdout);
      if (in.rdbuf()->in_avail() <= 0) std::fflush(stdout);
    }
  }

 private:
  Translator& translator_;
  GameCommands commands_;
  std::unique_ptr<CompiledRules> compiled_;  // none for the unchanged style
  std::unique_ptr<RewriteEngine> engine_;
  // Reused from text to text, so that a line needs no memory of its own.
  LinkedText linked_{std::string()};
  std::string spare_;  // the string of the text before, for the next line
  FinishedTextWriter writer_{[](std::string_view piece) { std::fwrite(piece.data(), 1, piece.size(), stdout); }};
};

// The named input, or standard input for "-". Every input is read in full or named in an InputError.
class Input {
 public:
  explicit Input(const std::string& name) : name_(name == "-" ? "standard input" : name) {
    if (name == "-") return;
    // Some systems open a directory as an empty file; it is refused by name instead.
    std::error_code unknown;
    if (std::filesystem::is_directory(name, unknown)) throw InputError(name + " is a directory");
    file_ = std::make_unique<std::ifstream>(name, std::ios::binary);
    if (!*file_) throw InputError("cannot open " + name);
  }
  std::istream& Stream() { return file_ ? *file_ : std::cin; }
  void AppendTo(std::string& text) {
    if (!AppendStream(Stream(), text)) throw ReadError();
  }
  void CheckRead() {
    if (Stream().bad()) throw ReadError();
  }

 private:
  InputError ReadError() const { return InputError("cannot read " + name_); }

  std::string name_;
  std::unique_ptr<std::ifstream> file_;
};

int Run(const FilterOptions& options) {
  Translator translator;
  translator.RandomSeed = options.seed;
  RuleTable fileRules;
  const RuleStrings* rules = &ShippedRules();
  if (options.rulesFile) {
    try {
      // A rule file of the user's takes the ids of the first styled slot; any style base would do.
      fileRules.AddStyle(kSpeechStyles[1].base, ReadRuleFile(*options.rulesFile));
    } catch (const RuleFileError& error) {
      throw InputError(*options.rulesFile + ": " + error.what());
    }
    rules = &fileRules;
    translator.StyleBase = kSpeechStyles[1].base;
  } else {
    translator.StyleBase = FindSpeechStyle(options.style)->base;
  }

  Filter filter(translator, *rules,
                options.commandsAsSpeech ? GameCommands::TranslateAsSpeech : GameCommands::LeaveAlone);
  const std::vector<std::string> inputs = options.inputs.empty() ? std::vector<std::string>{"-"} : options.inputs;
  if (options.lines) {
    for (const std::string& name : inputs) {
      Input input(name);
      filter.TranslateLines(input.Stream());
      input.CheckRead();
    }
    return 0;
  }
  // Room for the files and the blank that the preparation appends, so that the text is never moved.
  size_t expected = 1;
  for (const std::string& name : inputs) {
    if (name == "-") continue;
    std::error_code unknown;
    const std::uintmax_t size = std::filesystem::file_size(name, unknown);
    if (!unknown) expected += static_cast<size_t>(size);
  }
  std::string whole;
  whole.reserve(expected);
  for (const std::string& name : inputs) Input(name).AppendTo(whole);
  filter.WriteTranslation(std::move(whole));
  return 0;
}

}  // namespace
}  // namespace kestrelle

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  try {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const kestrelle::FilterOptions options = kestrelle::ParseFilterOptions(args);
    int status = 0;
    if (options.help) {
      std::fputs(kestrelle::kFilterUsage, stdout);
    } else {
      status = kestrelle::Run(options);
    }
    // A write that failed earlier (a full disk, a closed pipe) leaves the error indicator set even when
    // there is nothing left to flush.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
      std::fputs("kestrelle-translate: cannot write standard output\n", stderr);
      return 1;
    }
    return status;
  } catch (const kestrelle::UsageError& error) {
    std::fprintf(stderr, "kestrelle-translate: %s\nTry 'kestrelle-translate --help'.\n", error.what());
    return 2;
  } catch (const std::bad_alloc&) {
    std::fputs("kestrelle-translate: not enough memory to translate this text\n", stderr);
    return 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kestrelle-translate: %s\n", error.what());
    return 1;
  }
}
