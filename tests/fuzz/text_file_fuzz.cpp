// Fuzz target of the text-file reader, as the Translator page opens and saves a file and as
// kestrelle-translate reads its input. For any bytes:
//  - the encoding detected and the characters decoded agree with the C library's converter: a file with a
//    byte-order mark is read by its mark, one without is UTF-8 when the converter takes it as UTF-8 and 8-bit
//    text otherwise, and bytes that break their encoding are refused by both;
//  - decoded characters encode back, in the encoding they came in, to the very same bytes, mark included;
//  - the memo opens the file unless it breaks its encoding, holds a zero or a character the code page lacks,
//    or is over the memo's limits; what it opens saves to a file that opens as the same text in the same
//    encoding, keeps the characters and the number of lines, and is the same bytes when every line break
//    was a carriage return and line feed already;
//  - the filter's input, whole or a line at a time, is the bytes as they are (a UTF-8 mark left out) or the
//    UTF-8 of the UTF-16 decoded; UTF-16 that breaks is reported, after no more than the characters before
//    the break.
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <istream>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "filter/decoded_input.h"
#include "fuzz_check.h"
#include "speech/stream_reading.h"
#include "speech/text_encoding.h"
#include "translator/text_file_content.h"

namespace {

using namespace kestrelle;
using fuzz::Check;

// The code page of Western systems: the first 256 characters, but for the codes 0x80 to 0x9F, most of
// which hold punctuation and letters from further up; five of them stand for themselves.
class Windows1252 final : public CodePage {
 public:
  std::optional<std::string> FromCharacters(std::u32string_view characters) const override {
    std::string text;
    for (const char32_t c : characters) {
      const std::optional<char> code = Code(c);
      if (!code) return std::nullopt;
      text += *code;
    }
    return text;
  }
  bool Holds(char32_t character) const override { return Code(character).has_value(); }
  std::u32string ToCharacters(std::string_view text) const override {
    std::u32string characters;
    for (const char code : text) {
      const auto byte = static_cast<unsigned char>(code);
      characters += byte >= 0x80 && byte < 0xA0 ? kFrom80[byte - 0x80] : byte;
    }
    return characters;
  }

 private:
  static constexpr std::array<char32_t, 32> kFrom80 = {
      0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021, 0x2C6,  0x2030, 0x160,
      0x2039, 0x152,  0x8D,   0x17D,  0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
  static std::optional<char> Code(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c < 0x100)) return static_cast<char>(c);
    const auto at = std::find(kFrom80.begin(), kFrom80.end(), c);
    if (at == kFrom80.end()) return std::nullopt;
    return static_cast<char>(0x80 + (at - kFrom80.begin()));
  }
};

// What the C library's converter makes of the bytes of a Unicode encoding (without its mark): the
// characters before the first that breaks it, and whether none did.
struct Converted {
  std::u32string characters;
  bool whole = false;
};

Converted Convert(std::string_view bytes, TextEncoding encoding) {
  static const iconv_t fromUtf8 = iconv_open("UTF-32LE", "UTF-8");
  static const iconv_t fromUtf16LE = iconv_open("UTF-32LE", "UTF-16LE");
  static const iconv_t fromUtf16BE = iconv_open("UTF-32LE", "UTF-16BE");
  const iconv_t converter = encoding == TextEncoding::Utf16LE   ? fromUtf16LE
                            : encoding == TextEncoding::Utf16BE ? fromUtf16BE
                                                                : fromUtf8;
  Check(converter != reinterpret_cast<iconv_t>(-1), "no converter");
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  std::string in(bytes);
  std::string out(4 * bytes.size(), '\0');  // every byte at most one character
  char* from = in.data();
  char* to = out.data();
  size_t fromLeft = in.size();
  size_t toLeft = out.size();
  Converted converted;
  converted.whole = iconv(converter, &from, &fromLeft, &to, &toLeft) != static_cast<size_t>(-1);
  for (const char* c = out.data(); c < to; c += 4) {
    const auto byte = [c](int i) { return static_cast<char32_t>(static_cast<unsigned char>(c[i])); };
    converted.characters += byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
  }
  return converted;
}

// Whether every line break is a carriage return and line feed: then each break counts one of each.
bool OnlyPairedLineBreaks(std::u32string_view characters) {
  const auto breaks = static_cast<std::ptrdiff_t>(LineOfCharacter(characters, characters.size()) - 1);
  return std::count(characters.begin(), characters.end(), U'\r') == breaks &&
         std::count(characters.begin(), characters.end(), U'\n') == breaks;
}

std::u32string WithoutLineBreaks(std::u32string characters) {
  std::erase_if(characters, [](char32_t c) { return c == U'\r' || c == U'\n'; });
  return characters;
}

// characters: the file's, decoded or as 8-bit text; nothing when the file breaks its encoding.
void CheckMemo(std::string_view bytes, TextEncoding encoding, const std::optional<std::u32string>& characters) {
  const Windows1252 codePage;
  std::optional<MemoFileText> opened;
  try {
    opened = MemoTextOfFile(bytes, codePage);
  } catch (const FileTextError& error) {
    Check(*error.what() != '\0', "a file refused without a reason");
  }
  if (!opened) {
    // No line of a file this short is over the limit, nor is the whole, line breaks doubled.
    const bool small = characters && characters->size() <= std::min(kMemoLineLimit, kMemoTextLimit / 2);
    Check(!small || characters->find(U'\0') != std::u32string::npos ||
              !std::all_of(characters->begin(), characters->end(), [&](char32_t c) { return codePage.Holds(c); }),
          "a short file of characters the code page holds refused");
    return;
  }
  Check(characters.has_value(), "a file that breaks its encoding opened");
  Check(opened->encoding == encoding, "the memo keeps another encoding than the file's");
  Check(Utf16Length(opened->text) <= kMemoTextLimit, "the memo holds more than its limit");
  const std::u32string shown = CharactersOfUtf8(opened->text);
  Check(OnlyPairedLineBreaks(shown), "a line break in the memo other than a carriage return and line feed");
  Check(WithoutLineBreaks(shown) == WithoutLineBreaks(*characters), "the memo changed the file's characters");
  Check(LineOfCharacter(shown, shown.size()) == LineOfCharacter(*characters, characters->size()),
        "the memo changed the number of lines");
  const std::string saved = FileBytesOfMemoText(opened->text, encoding, codePage);
  if (OnlyPairedLineBreaks(*characters)) Check(saved == bytes, "an unchanged file saved as other bytes");
  const MemoFileText reopened = MemoTextOfFile(saved, codePage);
  Check(reopened.text == opened->text && reopened.encoding == encoding, "a saved file opens as another text");
}

// A source that has the bytes ready a few at a time, as a pipe has them.
class Trickle final : public std::streambuf {
 public:
  Trickle(std::string_view bytes, size_t mostAtOnce) : bytes_(bytes), mostAtOnce_(mostAtOnce) {}

 protected:
  int_type underflow() override {
    if (at_ == bytes_.size()) return traits_type::eof();
    const size_t piece = std::min<size_t>(1 + pieces_() % mostAtOnce_, bytes_.size() - at_);
    // The get area is only read from.
    char* begin = const_cast<char*>(bytes_.data()) + at_;
    setg(begin, begin, begin + piece);
    at_ += piece;
    return traits_type::to_int_type(*begin);
  }

 private:
  std::string_view bytes_;
  size_t mostAtOnce_;
  size_t at_ = 0;
  std::minstd_rand pieces_{static_cast<std::minstd_rand::result_type>(bytes_.size())};
};

void CheckFilterInput(std::string_view bytes, const std::string& expected, bool whole, size_t mostAtOnce) {
  Trickle source(bytes, mostAtOnce);
  DecodedInput decoded(source);
  std::istream stream(&decoded);
  std::string text;
  Check(AppendStream(stream, text), "the filter's input failed to read");
  Trickle lineSource(bytes, mostAtOnce);
  DecodedInput lineDecoded(lineSource);
  std::string lines;
  std::string line;
  for (auto read = lineDecoded.ReadLine(line); read != DecodedInput::LineRead::None;
       read = lineDecoded.ReadLine(line)) {
    lines += line;
    if (read == DecodedInput::LineRead::Ended) lines += '\n';
    // What the filter is told is ready to read without waiting must be there.
    const size_t left = expected.size() - std::min(expected.size(), lines.size());
    Check(lineDecoded.in_avail() <= static_cast<std::streamsize>(left), "the filter's input tells of more than is left");
  }
  for (const auto& [read, broken] : {std::pair(&text, decoded.Broken()), std::pair(&lines, lineDecoded.Broken())}) {
    Check(broken != whole, "the filter's input told broken when whole, or whole when broken");
    Check(whole ? *read == expected : expected.starts_with(*read), "the filter's input is not the text decoded");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TextEncoding encoding = DetectEncoding(bytes);
  const std::string_view mark = ByteOrderMark(encoding);
  Check(bytes.starts_with(mark), "an encoding detected by a mark the file lacks");
  const Converted converted = Convert(bytes.substr(mark.size()), encoding);
  const std::optional<std::u32string> decoded = DecodeUnicode(bytes, encoding);
  if (encoding == TextEncoding::CodePage) {
    Check(!converted.whole, "UTF-8 taken for 8-bit text");
    CheckMemo(bytes, encoding, Windows1252().ToCharacters(bytes));
  } else {
    Check(decoded.has_value() == converted.whole, "the decoder and the converter disagree on the bytes' validity");
    if (decoded) {
      Check(*decoded == converted.characters, "the decoder and the converter give other characters");
      Check(EncodeUnicode(*decoded, encoding) == bytes, "decoded characters encode to other bytes");
    }
    CheckMemo(bytes, encoding, decoded);
  }
  const bool utf16 = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE;
  const std::string expected = utf16 ? Utf8FromCharacters(converted.characters)
                                     : std::string(bytes.substr(bytes.starts_with(kUtf8Mark) ? kUtf8Mark.size() : 0));
  for (const size_t mostAtOnce : {bytes.size() + 1, size_t{7}}) {
    CheckFilterInput(bytes, expected, !utf16 || converted.whole, mostAtOnce);
  }
  return 0;
}
