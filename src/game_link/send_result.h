#pragma once
// What the typing into the game clients did, client by client, and the words the player reads about it:
// the progress while it types, a one-line summary when it ends, and the clients that missed text with
// the reason. Plain data that any link to the game fills in (the Windows link, and any other that types
// through the same command), so the page reports every link alike.
#include <string>
#include <vector>

#include "game_link/client_kind.h"

namespace kestrelle {

enum class ClientOutcome {
  Typed,          // it took the whole text (less any letters it cannot take)
  NotAnswering,   // it stopped handling messages, so the rest of the text was not sent
  Closed,         // its window went away during the typing
  KeptFromFront,  // the system would not bring it to the front, where it takes typed text
  Stopped,        // the player stopped the typing before this client got all of the text
};

struct ClientResult {
  std::string title;  // the window's title, as the player sees it on the window
  GameClientKind kind = GameClientKind::Classic;
  ClientOutcome outcome = ClientOutcome::Typed;
  int lines = 0;          // lines the text makes in this client
  int linesTaken = 0;     // whole lines it took
  bool partLine = false;  // it took part of the line after those (which then waits in its chat line)
  int lettersLeftOut = 0; // letters of the text it cannot take, left out (beyond ASCII for the classic client)

  bool TookWholeText() const { return outcome == ClientOutcome::Typed && lettersLeftOut == 0; }
};

struct SendResult {
  std::vector<ClientResult> clients;  // every client found, in the order typed into
  bool stopped = false;               // the command was asked to stop; the typing ended at that point
  std::string notice;                 // something the player should be told once about clients out of reach
  bool outOfReach = false;            // game clients may have run that no link could reach (see notice)

  int TookWholeText() const;
  // A client missed text for a reason other than the player's own stop.
  bool Faulted() const;
  // Clients ran, each got the whole text, and none may have run out of every link's reach: only then is
  // the text done with.
  bool Delivered() const;
};

// Where the typing is, for the status line while it types.
struct TypingProgress {
  int line = 1;  // 1-based
  int lines = 1;
  std::string title;
  int client = 1;  // 1-based
  int clients = 1;
};

// "Typing line 3 of 8 into Ultima Online - Ann (1 of 2)".
std::string ProgressText(const TypingProgress& progress);
// One line for the status line when the typing has ended.
std::string SummaryText(const SendResult& result);
// Every client that did not take the whole text, one line each with the reason; empty when every client
// took it.
std::string MissedText(const SendResult& result);

}  // namespace kestrelle
