#include "literal_translator.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "base/ascii_case.h"
#include "speech/text_preparation.h"

namespace kestrelle::oracle {

namespace {

// The text with a mark per character: inserted characters other than blanks never match again. The rules
// match the text lower-cased, and a character keeps its case until a replacement takes it away.
struct MarkedText {
  std::string chars;
  std::vector<bool> marked;

  size_t Find(std::string_view key) const {
    if (key.empty()) return std::string::npos;
    for (size_t pos = 0; pos + key.size() <= chars.size(); ++pos) {
      bool match = true;
      for (size_t i = 0; i < key.size() && match; ++i) match = !marked[pos + i] && AsciiLower(chars[pos + i]) == key[i];
      if (match) return pos;
    }
    return std::string::npos;
  }

  void Replace(size_t pos, size_t length, const std::string& inserted) {
    std::vector<bool> insertedMarks;
    for (const char c : inserted) insertedMarks.push_back(c != ' ');
    chars = chars.substr(0, pos) + inserted + chars.substr(pos + length);
    std::vector<bool> marks(marked.begin(), marked.begin() + static_cast<long>(pos));
    marks.insert(marks.end(), insertedMarks.begin(), insertedMarks.end());
    marks.insert(marks.end(), marked.begin() + static_cast<long>(pos + length), marked.end());
    marked = std::move(marks);
  }
};

}  // namespace

std::string LiteralTranslate(Translator& translator, std::string_view text, const RuleStrings& rules) {
  return LiteralTranslateParts(translator, {std::string(text)}, rules).front();
}

std::vector<std::string> LiteralTranslateParts(Translator& translator, const std::vector<std::string>& parts,
                                               const RuleStrings& rules) {
  const int base = translator.StyleBase;
  if (base == 0) return parts;
  std::vector<MarkedText> marked;
  for (const std::string& part : parts) marked.push_back({part, std::vector<bool>(part.size(), false)});
  const auto empty = [&] {
    return std::all_of(marked.begin(), marked.end(), [](const MarkedText& t) { return t.chars.empty(); });
  };
  for (int k = 0; base + 1 + 2 * k < base + 1000; ++k) {
    std::string pattern = rules.Read(base + 1 + 2 * k);
    if (pattern == "%STOP" || base + 2 + 2 * k >= base + 1000) break;
    std::string replacement = rules.Read(base + 2 + 2 * k);
    while (!pattern.empty() && !empty()) {
      std::string alternative;
      const size_t bar = pattern.find('|');
      if (bar != std::string::npos) {
        alternative = pattern.substr(0, bar);
        pattern.erase(0, bar + 1);
      } else {
        alternative = pattern;
        pattern.clear();
      }
      if (alternative.find_first_not_of(' ') == std::string::npos) continue;
      if (alternative.back() != ' ') {
        for (MarkedText& t : marked) {
          for (size_t pos; (pos = t.Find(alternative)) != std::string::npos;) {
            t.Replace(pos, alternative.size(), translator.ExpandMacros(replacement, alternative));
          }
        }
        continue;
      }
      for (const char ender : {' ', '.', '!', '?', ','}) {
        alternative.back() = ender;
        for (MarkedText& t : marked) {
          for (size_t pos; (pos = t.Find(alternative)) != std::string::npos;) {
            if (replacement.find("%RANDOM") != std::string::npos && replacement.find(')') != std::string::npos &&
                ender != ' ') {
              for (size_t i = 0; (i = replacement.find(" |", i)) != std::string::npos;) replacement[i] = ender;
              for (size_t i = 0; (i = replacement.find(" )", i)) != std::string::npos;) replacement[i] = ender;
            }
            std::string inserted = translator.ExpandMacros(replacement, alternative);
            if (!inserted.empty()) inserted.back() = ender;
            t.Replace(pos, alternative.size(), inserted);
          }
        }
      }
    }
  }
  std::vector<std::string> translated;
  for (MarkedText& t : marked) translated.push_back(std::move(t.chars));
  return translated;
}

namespace {

struct Line {
  std::string text;
  std::string lineBreak;  // "\r\n", "\r", "\n" or none for the last line
};

std::vector<Line> LinesOf(std::string_view text) {
  std::vector<Line> lines(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      lines.back().text += c;
      continue;
    }
    lines.back().lineBreak = c;
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') lines.back().lineBreak += text[++i];
    lines.emplace_back();
  }
  if (lines.back().text.empty() && lines.size() > 1) lines.pop_back();
  return lines;
}

bool IsCommand(const std::string& line) {
  return line.size() > 1 && (line[0] == '[' || line[0] == '.') && std::isalpha(static_cast<unsigned char>(line[1]));
}

std::string Speech(Translator& translator, const std::string& text, const RuleStrings& rules) {
  std::string translated = LiteralTranslate(translator, PrepareForTranslation(text), rules);
  CapitaliseSentences(translated);
  translated.erase(translated.find_last_not_of(' ') + 1);
  return translated;
}

}  // namespace

std::string LiteralTranslateKeepingCommands(Translator& translator, std::string_view text, const RuleStrings& rules) {
  const std::vector<Line> lines = LinesOf(text);
  if (std::none_of(lines.begin(), lines.end(), [](const Line& line) { return IsCommand(line.text); })) {
    return Speech(translator, std::string(text), rules);
  }
  std::string out;
  std::vector<Line> run;
  const auto flush = [&](bool keepLastBreak) {
    if (run.empty()) return;
    std::string speech;
    for (const Line& line : run) speech += line.text + line.lineBreak;
    const std::string lastBreak = keepLastBreak ? run.back().lineBreak : "";
    speech.resize(speech.size() - lastBreak.size());
    if (!speech.empty()) out += Speech(translator, speech, rules);
    out += lastBreak;
    run.clear();
  };
  for (const Line& line : lines) {
    if (!IsCommand(line.text)) {
      run.push_back(line);
      continue;
    }
    flush(true);
    out += line.text + line.lineBreak;
  }
  flush(false);
  return out;
}

}  // namespace kestrelle::oracle
