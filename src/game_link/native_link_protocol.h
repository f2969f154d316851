#pragma once
// The messages between Kestrelle under Wine and the native link (kestrelle-link), which types into the
// native game client windows of the X display. The launcher starts Wine with two pipes as Kestrelle's
// standard input and output: Kestrelle writes requests to its output and reads replies from its input,
// one message a line. Texts travel as hexadecimal digits, so that no character of theirs can end a line or
// a field early: the text to type as six digits a code point, titles and notices as two digits a byte of
// their UTF-8.
//
//   Kestrelle -> link   type <charDelay> <lineDelay> <hex text>   types text into every native client
//                       stop                                      ends the typing at its next wait
//                       list                                      counts the native clients (the reply:
//                                                                 clients, then done)
//   link -> Kestrelle   clients <n>             the native clients found for this text
//                       line <client> <line> <lines> <hex title>
//                                               the typing goes on: line of lines (1-based) into the
//                                               client-th native client (at least once every line)
//                       client <outcome> <lines> <lines taken> <part line 0|1> <letters left out> <hex title>
//                                               one client is done, as ClientResult tells (outcome: typed,
//                                               not-answering, closed, kept-from-front or stopped)
//                       notice <hex text>       something the player should know, in plain words
//                       done                    the request is answered; nothing more follows
#include <optional>
#include <string>
#include <string_view>

#include "game_link/send_result.h"
#include "game_link/typing.h"

namespace kestrelle {

// The variable that tells Kestrelle its standard handles lead to the native link.
inline constexpr std::string_view kNativeLinkVariable = "KESTRELLE_NATIVE_LINK";

inline constexpr std::string_view kStopRequest = "stop";
inline constexpr std::string_view kListRequest = "list";

// Said once, when a ClassicUO runs with no X window of its own: it is then a Wayland window, which takes no
// text from another program.
inline constexpr std::string_view kWaylandNotice =
    "ClassicUO runs as a Wayland window; start it with SDL_VIDEODRIVER=x11 so Kestrelle can type into it.";

struct NativeTypeRequest {
  TypingDelays delays;
  std::u32string text;
};

std::string FormatTypeRequest(const NativeTypeRequest& request);
// Nothing for a line that is not a well-formed type request.
std::optional<NativeTypeRequest> ParseTypeRequest(std::string_view line);

struct NativeReply {
  enum class Kind { Clients, Progress, Client, Notice, Done };
  Kind kind = Kind::Done;
  int clients = 0;           // Clients
  TypingProgress progress;   // Progress: client counts the native clients only
  ClientResult client;       // Client; a native client is always a ClassicUO
  std::string notice;        // Notice
};

std::string FormatReply(const NativeReply& reply);
// Nothing for a line that is not a well-formed reply. A progress line beyond the count it names counts the
// lines up to it.
std::optional<NativeReply> ParseReply(std::string_view line);

}  // namespace kestrelle
