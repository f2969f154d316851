#include "game_link/send_result.h"

#include <algorithm>

namespace kestrelle {

namespace {

std::string Named(const std::string& title) { return title.empty() ? "(untitled window)" : title; }

std::string Counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

const char* Reason(ClientOutcome outcome) {
  switch (outcome) {
    case ClientOutcome::NotAnswering:
      return "not answering";
    case ClientOutcome::Closed:
      return "closed";
    case ClientOutcome::KeptFromFront:
      return "could not be brought to the front (click it, then press Translate again)";
    case ClientOutcome::Stopped:
      return "stopped";
    case ClientOutcome::Typed:
      break;
  }
  return "";
}

// How much of the text a client that missed some got.
std::string Taken(const ClientResult& client) {
  if (client.linesTaken == 0 && !client.partLine) return "it got nothing";
  std::string taken = "it got " + std::to_string(client.linesTaken) + " of " + Counted(client.lines, "line", "lines");
  if (client.partLine) taken += " and part of line " + std::to_string(client.linesTaken + 1) + ", still in its chat line";
  return taken;
}

std::string MissedLine(const ClientResult& client) {
  std::string line = Named(client.title) + ": ";
  if (client.outcome != ClientOutcome::Typed) {
    line += std::string(Reason(client.outcome)) + " (" + Taken(client) + ")";
    if (client.lettersLeftOut > 0) line += "; ";
  }
  if (client.lettersLeftOut > 0) line += Counted(client.lettersLeftOut, "letter", "letters") + " it cannot type left out";
  return line;
}

}  // namespace

int SendResult::TookWholeText() const {
  return static_cast<int>(std::count_if(clients.begin(), clients.end(), [](const ClientResult& c) { return c.TookWholeText(); }));
}

bool SendResult::Faulted() const {
  return std::any_of(clients.begin(), clients.end(), [](const ClientResult& c) {
    return c.lettersLeftOut > 0 || (c.outcome != ClientOutcome::Typed && c.outcome != ClientOutcome::Stopped);
  });
}

bool SendResult::Delivered() const {
  return !clients.empty() && !outOfReach && TookWholeText() == static_cast<int>(clients.size());
}

std::string ProgressText(const TypingProgress& progress) {
  std::string text = "Typing line " + std::to_string(progress.line) + " of " + std::to_string(progress.lines) +
                     " into " + Named(progress.title);
  if (progress.clients > 1) text += " (" + std::to_string(progress.client) + " of " + std::to_string(progress.clients) + ")";
  return text;
}

std::string SummaryText(const SendResult& result) {
  const int clients = static_cast<int>(result.clients.size());
  if (clients == 0) return result.outOfReach ? "No game client could be reached." : "No game client is running.";
  const int whole = result.TookWholeText();
  const std::string ofClients = std::to_string(whole) + " of " + Counted(clients, "game client", "game clients");
  if (result.stopped) return "Stopped: " + ofClients + " got the whole text.";
  if (whole < clients) return std::to_string(clients - whole) + " of " + Counted(clients, "game client", "game clients") + " did not get the whole text.";
  const std::string typed = clients == 1 ? "Typed into " + Named(result.clients.front().title)
                                         : "Typed into " + Counted(clients, "game client", "game clients");
  return typed + (result.outOfReach ? "; native game clients could not be reached." : ".");
}

std::string MissedText(const SendResult& result) {
  std::string text;
  for (const ClientResult& client : result.clients) {
    if (!client.TookWholeText()) text += "\r\n" + MissedLine(client);
  }
  return text.empty() ? text : "These game clients did not get the whole text:\r\n" + text;
}

}  // namespace kestrelle
