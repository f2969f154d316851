#!/usr/bin/env bash
# link_flows_test.sh <kestrelle-link> <flow>: one flow of the native link on an X display of its own, driven
# by a played Kestrelle (a bash script) that keeps its replies. Each flow (below) says what it checks.
set -euo pipefail
link=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"
answers() { while read -r reply; do echo "$reply" >&2; [ "$reply" = "done" ] && break; done; }
export -f answers
hexof() { python3 -c 'import sys; print("".join("%06x" % ord(c) for c in sys.argv[1]))' "$1"; }

case $2 in
ExactLettersAndProgress)
  # Letters the map lacks (Latin-1, Greek, more of them than it has free keys) reach a client that reads its
  # events once per frame exactly, with no delays and the default ones; the progress counts every line.
  "$work/ClassicUO" "$work/client.log" "ClassicUO - frames" 120 50 & pids+=($!)
  sleep 1.5
  map_before=$(xmodmap -pke)
  while IFS='|' read -r char_delay line_delay text; do
    before=$(stat -c %s "$work/client.log")
    "$link" bash -c "echo 'type $char_delay $line_delay $(hexof "$text")'; answers" 2>"$work/replies"
    sleep 0.5  # the client writes what it has read once per frame
    received=$(tail -c "+$((before + 1))" "$work/client.log")
    returns=${received//[^$'\r']/}
    lines=${#returns}
    [ "${received//[ $'\r']/}" = "${text// /}" ] || fail "$text arrived as: $received"
    [ "$(grep '^line ' "$work/replies" | cut -d' ' -f3,4)" = "$(seq -f "%g $lines" "$lines")" ] ||
      fail "$text: the progress did not count its $lines lines: $(cat "$work/replies")"
    grep -Eqx "client typed $lines $lines 0 0 [0-9a-f]+" "$work/replies" || fail "$text: not told as typed"
    [ "$(xmodmap -pke)" = "$map_before" ] || fail "$text: the keyboard map was not given back"
  done <<'ROWS'
0|0|Café naïve über façade señor déjà vu
25|3000|Café naïve über façade señor déjà vu, αβγδεζ ηθικλμ νξο
0|0|Ζεύς, Ήρα, Αθηνά, Απόλλων, Άρτεμις, Ερμής, Διόνυσος, Ποσειδών, Ήφαιστος, Αφροδίτη, Άρης, Δήμητρα: ψ ξ χ ω
ROWS
  ;;
StopDuringHandover)
  # A stop while clients refuse the focus ends the typing of all; the link answers the next request.
  cc -o "$work/unfocusable" "$here/unfocusable_client.c" -lX11
  for _ in 1 2; do "$work/unfocusable" 60 & pids+=($!); done
  sleep 1
  "$link" bash -c "echo 'type 0 0 $(hexof Hail)'; sleep 0.3; echo stop; answers; echo list; answers" 2>"$work/replies"
  [ "$(grep -c '^client stopped 1 0 0 0' "$work/replies")" = 2 ] && grep -qx 'clients 2' <(tail -2 "$work/replies") ||
    fail "the stop did not end the hand-over: $(cat "$work/replies")"
  ;;
SignalsEndTheLink)
  # The map given back, Kestrelle told and ended (killed, as it will not end), the link ended by the signal.
  "$work/ClassicUO" "$work/client.log" "ClassicUO - 1" 120 & pids+=($!)
  sleep 1.5
  map_before=$(xmodmap -pke)
  type="type 100 0 $(hexof αβγδεζηθικλμνξοπρστυφχψω)"
  for signal in TERM HUP; do
    # This Kestrelle ignores the SIGTERM that ends it, so it reads every reply and is killed in the end.
    "$link" bash -c "trap '' TERM; echo \$\$ >$work/pid; echo '$type'; answers; exec sleep 60" 2>"$work/replies" &
    for _ in $(seq 100); do [ "$(xmodmap -pke)" != "$map_before" ] && break; sleep 0.1; done  # a key is lent
    kill -"$signal" $!
    wait $! && status=0 || status=$?
    [ "$status" = $((128 + $(kill -l "$signal"))) ] || fail "SIG$signal: the link exited with $status"
    [ "$(xmodmap -pke)" = "$map_before" ] || fail "SIG$signal: the keyboard map was not given back"
    grep -q '^client stopped ' "$work/replies" && grep -qx "done" "$work/replies" || fail "SIG$signal: Kestrelle not told"
    ! kill -0 "$(cat "$work/pid")" 2>/dev/null || fail "SIG$signal: Kestrelle runs on without its link"
  done
  ;;
EndsWithKestrelle)
  # Also while Kestrelle's children hold its pipes, through a process descriptor or without one.
  for no_pidfd in 0 1; do
    KESTRELLE_LINK_NO_PIDFD=$no_pidfd timeout 20 "$link" bash -c "sleep 60 & echo \$! >$work/child.pid; exit 3" &&
      status=0 || status=$?
    pids+=("$(cat "$work/child.pid")")
    [ "$status" = 3 ] || fail "KESTRELLE_LINK_NO_PIDFD=$no_pidfd: the link exited with $status"
  done
  ;;
*) fail "no flow $2" ;;
esac
echo "$2: passed"
