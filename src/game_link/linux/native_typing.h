#pragma once
// Answers Kestrelle's requests: a type request types the text into every native game client window of the X
// display, one after the other, with the typing of TypeIntoWindow (the same lines, padding and pauses as
// the clients under Wine get), and replies with each client's outcome; a list request only counts them.
//
// Each client gets the keyboard focus before its first character (and back, should the player take it away
// during a pause, before a Return), and must answer a ping then and at every line end: a client that does
// not within kClientResponseTimeoutMs (counted from the focus handed over, when it was), or whose window is
// gone, is dropped and the typing goes on with the next one. Once all are done, the focus goes back to the
// window that had it (Kestrelle's).
#include "game_link/linux/link_channel.h"
#include "game_link/native_link_protocol.h"

namespace kestrelle::x11 {

// waylandExplained: whether the Wayland notice has been sent already (it is sent once).
void AnswerTypeRequest(const NativeTypeRequest& request, LinkChannel& channel, bool& waylandExplained);
void AnswerListRequest(LinkChannel& channel);

}  // namespace kestrelle::x11
