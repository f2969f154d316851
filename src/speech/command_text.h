#pragma once
// The text steps of the Translate command that need no window: joining the input memo's displayed lines,
// the blank test and reading a delay field (the preparation around the engine is text_preparation.h).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrelle {

// Joins the lines of the input memo, as it displays them, into the text to translate.
// Word wrap off: the lines are paragraphs, joined by carriage return and line feed (empty lines too).
// Word wrap on: the lines are wrapped pieces and paragraphs; two lines are joined by one blank unless the
// text so far ends in a blank or carriage return (a wrapped piece holds the blank it broke at, so a
// paragraph's pieces join as displayed) or the next line begins with one. An empty line adds nothing, not
// even a blank, so a blank line between paragraphs joins them as if it were not there and nothing is ever
// put in front of the text.
std::string JoinDisplayedLines(const std::vector<std::string>& lines, bool wordWrap);

// The same when game commands are left alone: with word wrap on, a paragraph of the memo that is a game
// command stays a line of its own, and the speech paragraphs around it are joined as above (joining a
// paragraph's wrapped pieces gives the paragraph). paragraphs: the memo's text cut at its line breaks.
// Without a command paragraph, or with word wrap off (where every paragraph is a line anyway), the text is
// JoinDisplayedLines's.
std::string JoinKeepingGameCommands(const std::vector<std::string>& displayedLines,
                                    const std::vector<std::string>& paragraphs, bool wordWrap);

// The text cut at its line breaks (carriage return and line feed), the breaks left out.
std::vector<std::string> SplitParagraphs(std::string_view text);

// Whether the text holds nothing but blanks and control characters (codes 0 to 32).
bool IsBlankText(std::string_view text);

// The value of a typing delay field: its digits with every blank left out ("2 5 " is 25). A field with
// no digit, or with anything but an optionally signed whole number, throws std::invalid_argument with a
// message for the player that names the field (fieldName, as its label shows it) and says what to type.
std::int32_t ParseDelayField(std::string_view field, std::string_view fieldName);

}  // namespace kestrelle
