#pragma once
// The messages between Kestrelle under Wine and the native link (kestrelle-link), which types into the
// native game client windows of the X display. The launcher starts Wine with two pipes as Kestrelle's
// standard input and output: Kestrelle writes requests to its output and reads replies from its input,
// one message a line. Texts travel as hexadecimal digits, so that no character of theirs can end a line or
// a field early.
//
//   Kestrelle -> link   type <charDelay> <lineDelay> <hex text>   types text into every native client
//                       stop                                      ends the typing at its next wait
//   link -> Kestrelle   clients <n>                   the native clients found for this text
//                       line                          the typing goes on (at least once every line)
//                       client <outcome> <hex title>  one client is done: typed, dropped or stopped
//                       notice <hex text>             something the player should know, in plain words
//                       done                          the request is answered; nothing more follows
#include <optional>
#include <string>
#include <string_view>

#include "game_link/typing.h"

namespace kestrelle {

// The variable that tells Kestrelle its standard handles lead to the native link.
inline constexpr std::string_view kNativeLinkVariable = "KESTRELLE_NATIVE_LINK";

inline constexpr std::string_view kStopRequest = "stop";

// Said once, when a ClassicUO runs with no X window of its own: it is then a Wayland window, which takes no
// text from another program.
inline constexpr std::string_view kWaylandNotice =
    "ClassicUO runs as a Wayland window; start it with SDL_VIDEODRIVER=x11 so Kestrelle can type into it.";

struct NativeTypeRequest {
  TypingDelays delays;
  std::string text;
};

std::string FormatTypeRequest(const NativeTypeRequest& request);
// Nothing for a line that is not a well-formed type request.
std::optional<NativeTypeRequest> ParseTypeRequest(std::string_view line);

struct NativeReply {
  enum class Kind { Clients, Progress, Client, Notice, Done };
  Kind kind = Kind::Done;
  int clients = 0;                                // Clients
  TypingOutcome outcome = TypingOutcome::Typed;  // Client: Typed, WindowLost (dropped) or Stopped
  std::string text;                               // Client: the window's title; Notice: the notice
};

std::string FormatReply(const NativeReply& reply);
// Nothing for a line that is not a well-formed reply.
std::optional<NativeReply> ParseReply(std::string_view line);

}  // namespace kestrelle
