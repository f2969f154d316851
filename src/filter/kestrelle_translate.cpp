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

#include "speech/compiled_style.h"
#include "filter/decoded_input.h"
#include "filter/filter_options.h"
#include "speech/rule_file.h"
#include "speech/shipped_rules.h"
#include "speech/speech_styles.h"
#include "speech/stream_reading.h"

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

// Standard output, gathered: --lines writes a few short pieces a line, and the C library's write per piece
// (a lock and a copy each) cost about as much as translating the line.
class Output {
 public:
  Output() = default;
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  ~Output() { Pass(); }

  void Write(std::string_view piece) {
    if (gathered_.size() + piece.size() > kGathered) Pass();
    if (piece.size() >= kGathered) {
      std::fwrite(piece.data(), 1, piece.size(), stdout);
    } else {
      gathered_ += piece;
    }
  }
  // What was written goes out now, for a reader who waits for it.
  void Flush() {
    Pass();
    std::fflush(stdout);
  }

 private:
  static constexpr size_t kGathered = size_t{1} << 16;
  void Pass() {
    std::fwrite(gathered_.data(), 1, gathered_.size(), stdout);
    gathered_.clear();
  }
  std::string gathered_;
};

// Translates texts one after another in one style and writes each to standard output, finished as the
// Translate command finishes it and through the same calls.
class Filter {
 public:
  Filter(Translator& translator, const RuleStrings& rules, GameCommands commands)
      : translator_(translator), style_(rules, translator.StyleBase), commands_(commands) {}

  void WriteTranslation(std::string text) {
    TranslateText(style_, translator_, std::move(text), commands_, BetweenAlternatives(), writer_);
  }

  // Each line on its own; the line break (line feed, or carriage return and line feed) is kept as it is.
  // The output is flushed whenever no more input is waiting, so that a line typed in is answered at once.
  void TranslateLines(DecodedInput& in) {
    // The string of the line before holds this one, so that a line needs no memory of its own.
    std::string text = style_.Spare();
    for (auto read = in.ReadLine(text); read != DecodedInput::LineRead::None; read = in.ReadLine(text)) {
      std::string_view lineBreak = read == DecodedInput::LineRead::Ended ? "\n" : "";
      if (read == DecodedInput::LineRead::Ended && text.ends_with('\r')) {
        text.pop_back();
        lineBreak = "\r\n";
      }
      WriteTranslation(std::move(text));
      output_.Write(lineBreak);
      if (in.in_avail() <= 0) output_.Flush();
      text = style_.Spare();
    }
  }

 private:
  Translator& translator_;
  CompiledStyle style_;
  GameCommands commands_;
  Output output_;
  FinishedTextWriter writer_{[this](std::string_view piece) { output_.Write(piece); }};
};

// The named input, or standard input for "-", in UTF-8 or 8-bit text as DecodedInput reads it. Every input
// is read in full or named in an InputError.
class Input {
 public:
  explicit Input(const std::string& name) : name_(name == "-" ? "standard input" : name) {
    if (name != "-") {
      // Some systems open a directory as an empty file; it is refused by name instead.
      std::error_code unknown;
      if (std::filesystem::is_directory(name, unknown)) throw InputError(name + " is a directory");
      file_ = std::make_unique<std::ifstream>(name, std::ios::binary);
      if (!*file_) throw InputError("cannot open " + name);
    }
    decoded_ = std::make_unique<DecodedInput>(*(file_ ? file_->rdbuf() : std::cin.rdbuf()));
    stream_ = std::make_unique<std::istream>(decoded_.get());
  }
  std::istream& Stream() { return *stream_; }
  DecodedInput& Decoded() { return *decoded_; }
  void AppendTo(std::string& text) {
    if (!AppendStream(Stream(), text)) throw ReadError();
    CheckRead();
  }
  void CheckRead() {
    if (decoded_->Broken()) throw InputError(name_ + " is not valid UTF-16 text");
    if (Stream().bad()) throw ReadError();
  }

 private:
  InputError ReadError() const { return InputError("cannot read " + name_); }

  std::string name_;
  std::unique_ptr<std::ifstream> file_;
  std::unique_ptr<DecodedInput> decoded_;
  std::unique_ptr<std::istream> stream_;
};

// What is left of standard input when it is a file given by redirection; 0 for a pipe or a terminal,
// which cannot tell.
size_t StandardInputSize() {
  const std::streampos here = std::cin.tellg();
  if (here == std::streampos(-1)) return 0;
  std::cin.seekg(0, std::ios::end);
  const std::streampos end = std::cin.tellg();
  std::cin.seekg(here);
  if (!std::cin || end == std::streampos(-1) || end < here) {
    std::cin.clear();
    return 0;
  }
  return static_cast<size_t>(end - here);
}

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
      filter.TranslateLines(input.Decoded());
      input.CheckRead();
    }
    return 0;
  }
  // Room for the files and the blank that the preparation appends, so that the text is never moved (a
  // text grown step by step would take up to twice its size).
  size_t expected = 1;
  for (const std::string& name : inputs) {
    std::error_code unknown;
    const std::uintmax_t size = name == "-" ? StandardInputSize() : std::filesystem::file_size(name, unknown);
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
