#pragma once
// Kestrelle's end of the native link: when Kestrelle runs under Wine started by kestrelle-link, its standard
// output carries requests to type into the native game client windows of the player's X display (which a
// Wine program cannot see), and its standard input brings the replies (see native_link_protocol.h).
// Started any other way (on Windows, or by plain wine), there is no link and nothing changes.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game_link/command_stop.h"
#include "game_link/native_link_protocol.h"
#include "game_link/send_result.h"
#include "game_link/typing.h"

namespace kestrelle {

struct NativeTypingResult {
  std::vector<ClientResult> clients;  // every native client window found, in the order typed into
  std::string notice;                 // something the player should know, once; empty if none
  bool stopped = false;
};

// What the player reads once a command when Kestrelle had a native link and has lost it.
inline constexpr std::string_view kNativeLinkEndedNotice =
    "The link to native ClassicUO windows has ended; start Kestrelle again with the kestrelle command.";

class NativeLink {
 public:
  // The link of this process, or null when it has none (or it has been lost).
  static NativeLink* OfThisProcess();
  // Whether this process had a link and has lost it: its native clients are out of reach for good.
  static bool LostOfThisProcess();

  // Types text into every native client, one after the other, and waits for their results with the window
  // live; onProgress is told as every line starts (client counting the native clients only). A stop request
  // is passed on; the link then ends the typing at once, and its clients not done count as stopped. A link
  // that stays silent longer than any client may take, or takes longer than a moment to answer a stop, is
  // waited for no longer in this command: its clients not done count as not answering (stopped after a
  // stop), and it is told to stop. It stays in use, as its late replies are passed over when they come;
  // only a link that has ended (its pipe closed) is given up for good.
  NativeTypingResult Type(std::u32string_view text, const TypingDelays& delays, const CommandStop& stop,
                          const std::function<void(const TypingProgress&)>& onProgress);
  // How many native clients there are now; 0 when the link does not answer at once.
  int CountClients();

  struct Inbox;

 private:
  NativeLink(HANDLE requests, std::shared_ptr<Inbox> inbox) : requests_(requests), inbox_(std::move(inbox)) {}
  // The link this process was started with, lost or not; null when it has none.
  static NativeLink* Started();
  bool Write(const std::string& line);
  // Writes a request, which the link answers with replies up to a done; false when the link has ended.
  bool Request(const std::string& line);
  enum class Next { Reply, Silent, Stopped, Closed };
  // The next reply to the latest request, waited for up to ms with the window live; stop ends the wait.
  // Replies to earlier requests, which were waited for no longer, are passed over.
  Next NextReply(std::int32_t ms, const CommandStop& stop, NativeReply& reply);

  HANDLE requests_;
  std::shared_ptr<Inbox> inbox_;
  int unanswered_ = 0;  // requests written whose done has not been read
  bool lost_ = false;
};

}  // namespace kestrelle
