#include "filter/filter_options.h"

#include <charconv>

#include "speech/speech_styles.h"

namespace kestrelle {

const char* const kFilterUsage =
    "Usage: kestrelle-translate [OPTION]... [FILE]...\n"
    "Rewrites English text in a comic speech style, as Kestrelle's translator does, and writes it to\n"
    "standard output. Reads the FILEs one after another as one text, or standard input (also for -).\n"
    "Each input is UTF-8 (a byte-order mark at its start is left out), UTF-16 with a byte-order mark\n"
    "(either byte order; written out as UTF-8), or 8-bit text, which passes byte for byte.\n"
    "The rules match the text as if it were lower case; every letter that no rule replaced keeps the\n"
    "case it was typed in, and each sentence's first letter and a lone \"i\" get a capital (so normal\n"
    "gives the text back as typed, apart from those capitals).\n"
    "\n"
    "  --style STYLE  normal (the default), valley-girl, jive-talk or courtly\n"
    "  --rules FILE   the rules of a rule file instead of a shipped style\n"
    "  --seed N       start of the random choices, 0 to 4294967295 (default 0, as at program start)\n"
    "  --lines        translate each line on its own, writing it as soon as it is read\n"
    "  --commands-as-speech\n"
    "                 translate game command lines like speech; by default a line that begins with\n"
    "                 '[' or '.' and a letter (\"[bank\", \".resync\") is written exactly as it is\n"
    "  --help         show this help\n"
    "\n"
    "Exit status: 0 done; 1 an input or rule file could not be read, an input breaks UTF-16, a rule file\n"
    "breaks the format, the output could not be written or there was not enough memory; 2 an unknown\n"
    "option or style.\n";

namespace {

std::uint32_t ParseSeed(std::string_view text) {
  std::uint32_t seed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    throw UsageError("invalid seed '" + std::string(text) + "' (a whole number from 0 to 4294967295)");
  }
  return seed;
}

}  // namespace

FilterOptions ParseFilterOptions(const std::vector<std::string_view>& args) {
  FilterOptions options;
  bool styleGiven = false;
  bool onlyFiles = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string_view arg = args[i];
    if (onlyFiles || arg == "-" || !arg.starts_with("-")) {
      options.inputs.emplace_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyFiles = true;
      continue;
    }
    // Options with a value take it as the next argument or after '='.
    std::optional<std::string_view> inlineValue;
    if (const size_t equals = arg.find('='); equals != std::string_view::npos) {
      inlineValue = arg.substr(equals + 1);
      arg = arg.substr(0, equals);
    }
    const bool takesValue = arg == "--style" || arg == "--rules" || arg == "--seed";
    if (!takesValue && inlineValue) throw UsageError("option " + std::string(arg) + " takes no value");
    std::string_view value;
    if (takesValue) {
      if (inlineValue) {
        value = *inlineValue;
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        throw UsageError("option " + std::string(arg) + " needs a value");
      }
    }
    if (arg == "--style") {
      if (!FindSpeechStyle(value)) {
        throw UsageError("unknown style '" + std::string(value) +
                         "' (normal, valley-girl, jive-talk or courtly)");
      }
      options.style = value;
      styleGiven = true;
    } else if (arg == "--rules") {
      options.rulesFile = std::string(value);
    } else if (arg == "--seed") {
      options.seed = ParseSeed(value);
    } else if (arg == "--lines") {
      options.lines = true;
    } else if (arg == "--commands-as-speech") {
      options.commandsAsSpeech = true;
    } else if (arg == "--help") {
      options.help = true;
    } else {
      throw UsageError("unknown option '" + std::string(args[i]) + "'");
    }
  }
  if (styleGiven && options.rulesFile) throw UsageError("--style and --rules exclude each other");
  return options;
}

}  // namespace kestrelle
