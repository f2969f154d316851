#!/usr/bin/env bash
# link_test.sh <kestrelle-link>: the native link on an X display of its own, driven through its pipes as
# Kestrelle drives it. Three native SDL windows run: a ClassicUO, a second ClassicUO that hangs (stopped),
# and another program titled "ClassicUO - notes"; the keyboard map lacks '~'. The text must reach the first
# ClassicUO whole ('~' included, the line's end as a Return), the hung one must be dropped within the
# link's time-out (and its title, in Latin-1 in WM_NAME only, told in UTF-8), and so must one that closes
# during the typing; the other program must get nothing, and the keyboard map must be as it was. A stop
# ends the typing at its next pause, or while a client is asked whether it still answers. In a Wayland
# session, a ClassicUO with no X window is explained once, at the first request only.
set -euo pipefail
link=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
source "$here/x_session.sh"
cp "$work/ClassicUO" "$work/notes"
mkdir "$work/hung" "$work/wayland"
cp "$work/ClassicUO" "$work/hung/ClassicUO"
cp "$(command -v sleep)" "$work/wayland/ClassicUO"  # a ClassicUO without an X window
"$work/ClassicUO" "$work/client.log" "ClassicUO - 7.0.10.3" 60 & pids+=($!)
"$work/hung/ClassicUO" "$work/hung.log" "ClassicUO - hung" 60 & pids+=($!)
hung_pid=$!
"$work/notes" "$work/decoy.log" "ClassicUO - notes" 60 & pids+=($!)
"$work/wayland/ClassicUO" 60 & pids+=($!)
sleep 1.5
# The hung one's title only in WM_NAME, in Latin-1: the link tells it in UTF-8.
xprop -name "ClassicUO - hung" -remove _NET_WM_NAME
xprop -name "ClassicUO - hung" -f WM_NAME 8s -set WM_NAME $'ClassicUO - hung\xe9'
hung_title="ClassicUO - hungé"
kill -STOP "$hung_pid"
tilde_key=$(xmodmap -pke | awk '/asciitilde/ && !found { print $2; found = 1 }')
xmodmap -e "keycode $tilde_key = grave grave"
map_before=$(xmodmap -pke)

text="Hail~ friend"
hex=$(python3 -c 'import sys; print("".join("%06x" % ord(c) for c in sys.argv[1]))' "$text")
start=$(date +%s)
# Kestrelle, played on the link's pipes: the clients counted, two requests typed whole, one with long pauses asked to stop during
# the typing, one during which a third ClassicUO closes (once the first client has taken the focus), and one
# asked to stop while the link waits for the hung client's answer.
cat >"$work/kestrelle.sh" <<'PLAYED'
[ "$KESTRELLE_NATIVE_LINK" = 1 ] || exit 1
answers() { while read -r reply; do echo "$1 $reply" >&2; [ "$reply" = done ] && break; done; }
echo list; answers 0
echo "type 1 10 $HEX"; answers 1
echo "type 1 10 $HEX"; answers 2
echo "type 1000 10 $HEX"; sleep 1.5; echo stop; answers 3
"$CLIENT" /dev/null "ClassicUO - closing" 60 & closing=$!
sleep 1.5
echo "type 100 10 $HEX"
while read -r reply; do
  echo "4 $reply" >&2
  [[ "$reply" == line* ]] && kill "$closing" 2>/dev/null
  [ "$reply" = done ] && break
done
wait "$closing" 2>/dev/null
echo "type 1 10 $HEX"; sleep 1.5; echo stop; answers 5
PLAYED
replies=$(HEX=$hex CLIENT="$work/ClassicUO" WAYLAND_DISPLAY=wayland-test "$link" bash "$work/kestrelle.sh" 2>&1)
seconds=$(($(date +%s) - start))
echo "$replies"

hexof() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }
notice_hex=$(hexof "ClassicUO runs as a Wayland window; start it with SDL_VIDEODRIVER=x11 so Kestrelle can type into it.")
[ "$(grep -c ' notice ' <<<"$replies")" = 1 ] && grep -qx "1 notice $notice_hex" <<<"$replies" ||
  fail "the Wayland case was not explained exactly once, at the first request"
[ "$(grep '^0 ' <<<"$replies")" = $'0 clients 2\n0 done' ] || fail "the list request did not count the two ClassicUO windows"
for request in 1 2; do
  grep -qx "$request clients 2" <<<"$replies" || fail "request $request did not find the two ClassicUO windows"
  grep -qx "$request client typed 1 1 0 0 $(hexof "ClassicUO - 7.0.10.3")" <<<"$replies" || fail "request $request: not typed"
  grep -qx "$request client not-answering 1 0 [01] 0 $(hexof "$hung_title")" <<<"$replies" || fail "request $request: hung kept"
done
# (The hung client comes before or after the others, as the server stacks them.)
grep -Eqx "3 client stopped 1 0 [01] 0 $(hexof "ClassicUO - 7.0.10.3")" <<<"$replies" || fail "the stop did not end the typing"
# The last stop comes while the hung client is asked whether it answers, whichever client comes first.
grep -qx "5 client stopped 1 0 0 0 $(hexof "$hung_title")" <<<"$replies" || fail "the stop waited for the hung client"
grep -qx "4 client typed 1 1 0 0 $(hexof "ClassicUO - 7.0.10.3")" <<<"$replies" &&
  grep -Eqx "4 client (closed|not-answering) 1 0 [01] 0 $(hexof "ClassicUO - closing")" <<<"$replies" &&
  grep -Eqx "4 client not-answering 1 0 [01] 0 $(hexof "$hung_title")" <<<"$replies" ||
  fail "request 4: the closing client was not dropped"
# Five requests, each waiting the link's 5-second time-out for the hung client at most once.
[ "$seconds" -le 40 ] || fail "the hung client or the stop held the link for $seconds s"
sleep 0.3
received=$(cat "$work/client.log")
line=$text$'\r'
# The last request reaches this client whole when it comes before the hung one.
last=""
grep -qx "5 client typed 1 1 0 0 $(hexof "ClassicUO - 7.0.10.3")" <<<"$replies" && last=$line
after_two=${received#"$line$line"}
stopped_part=${after_two%"$line$last"}
[ "$received" = "$line$line$stopped_part$line$last" ] && [[ "$text" == "$stopped_part"* ]] ||
  fail "the client received: $(od -c "$work/client.log")"
[ ! -s "$work/decoy.log" ] || fail "the other program received: $(cat "$work/decoy.log")"
[ "$(xmodmap -pke)" = "$map_before" ] || fail "the keyboard map was not given back"
echo "The native link typed into the ClassicUO only, dropped the hung one and gave the keyboard map back."
