#!/usr/bin/env bash
# package_test.sh <build/package folder>: the Linux package as a player gets it. Debian's checker (lintian)
# finds no error or warning in the .deb, which depends on Wine and the X library and unpacks (dpkg -x, into
# a scratch root) into the commands, Kestrelle.exe, a menu entry and an AppStream file that their validators
# accept, icons of the size their folders name, compressed manual pages and the changelog; the .tar.gz
# holds the same files under one folder, with a README. The unpacked kestrelle-translate translates, and the
# unpacked kestrelle-link starts a program with the link on its standard handles and answers it (with no
# display: no client). On a virtual display of its own, the unpacked kestrelle makes a fresh Wine prefix
# with Wine's messages kept off the terminal and sets no font stand-ins there; in a prefix where an earlier
# kestrelle set its stand-ins, it removes those still its own, once, says so, and keeps the player's own.
set -euo pipefail
package_dir=$(cd "$1" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$package_dir/CMakeCache.txt")
deb="$package_dir/kestrelle_${version}_amd64.deb"
tgz="$package_dir/kestrelle-${version}-linux-x86_64.tar.gz"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAILED: $*"
  exit 1
}
[ -f "$deb" ] || fail "no $deb"
[ -f "$tgz" ] || fail "no $tgz"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in wine wine64 libx11-6 fonts-liberation; do
  grep -qw "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done

lintian --fail-on error,warning "$deb" || fail "lintian found errors or warnings in the .deb"

dpkg -x "$deb" "$work/root"
entry=share/applications/org.example.kestrelle.desktop
for file in bin/kestrelle bin/kestrelle-link bin/kestrelle-translate lib/kestrelle/Kestrelle.exe "$entry" \
            share/metainfo/org.example.kestrelle.metainfo.xml share/man/man1/kestrelle.1.gz \
            share/man/man1/kestrelle-link.1.gz share/man/man1/kestrelle-translate.1.gz \
            share/doc/kestrelle/copyright share/doc/kestrelle/changelog.gz; do
  [ -s "$work/root/usr/$file" ] || fail "the package lacks /usr/$file"
done
desktop-file-validate "$work/root/usr/$entry" || fail "desktop-file-validate refused the menu entry"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/"*.xml || fail "appstreamcli refused the AppStream file"
grep -qx 'Exec=kestrelle' "$work/root/usr/$entry" || fail "the menu entry does not start kestrelle"
for size in 16 24 32 48 64 128 256; do
  icon="$work/root/usr/share/icons/hicolor/${size}x$size/apps/kestrelle.png"
  [ "$(identify -format %wx%h "$icon" 2>&1)" = "${size}x$size" ] || fail "no ${size}x$size icon: $(identify "$icon" 2>&1)"
done

mkdir "$work/tgz"
tar -xzf "$tgz" -C "$work/tgz"
diff <(cd "$work/root/usr" && find . -type f | sort) \
     <(cd "$work/tgz"/kestrelle-* && find . -type f ! -path ./README | sort) || fail "the .tar.gz does not hold the .deb's files"
grep -q "bin/kestrelle" "$work/tgz"/kestrelle-*/README || fail "the .tar.gz has no README that says how to run it"

translated=$(echo "Hello, my friend." | "$work/root/usr/bin/kestrelle-translate" --style courtly)
[ -n "$translated" ] && [ "$translated" != "Hello, my friend." ] || fail "kestrelle-translate did not translate: $translated"
echo "kestrelle-translate: $translated"

# A stand-in for Kestrelle asks for a text to be typed; the link answers with no client and is done.
replies=$(env -u DISPLAY "$work/root/usr/bin/kestrelle-link" sh -c \
  '[ "$KESTRELLE_NATIVE_LINK" = 1 ] && echo "type 0 0 000068000069" && while read -r reply; do echo "$reply" >&2;
   [ "$reply" = done ] && break; done' 2>&1)
[ "$replies" = $'clients 0\ndone' ] || fail "kestrelle-link answered: $replies"

# The kestrelle command on a virtual display: in a new prefix, then where an earlier one left its stand-ins.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null || true; kill $xvfb; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" WINEPREFIX="$work/prefix"
key='HKCU\Software\Wine\Fonts\Replacements'
# start_kestrelle NAME: runs the unpacked kestrelle until Kestrelle's window shows, of the class that the menu
# entry names, so that a desktop groups the two (output in $work/NAME.*).
start_kestrelle() {
  local class shown=
  class=$(sed -n 's/^StartupWMClass=//p' "$work/root/usr/$entry")
  "$work/root/usr/bin/kestrelle" >"$work/$1.out" 2>"$work/$1.err" &
  for _ in $(seq 300); do
    xwininfo -root -children | grep -qF "\"Kestrelle\": (\"$class\" \"$class\")" && shown=1 && break
    sleep 1
  done
  wineserver -k
  wait $! || true
  [ -n "$shown" ] || fail "no Kestrelle window of the class $class: $(cat "$work/$1.out" "$work/$1.err")"
}
start_kestrelle new
[ ! -s "$work/new.err" ] || fail "kestrelle's first start printed: $(cat "$work/new.err")"
[ -z "$(wine reg query "$key" 2>/dev/null | grep REG_)" ] || fail "kestrelle set font stand-ins in a new prefix"
wine reg add "$key" /v Arial /d "Liberation Sans Narrow" /f >/dev/null 2>&1
wine reg add "$key" /v "Courier New" /d "DejaVu Sans Mono" /f >/dev/null 2>&1
touch "$WINEPREFIX/.kestrelle-fonts"
start_kestrelle earlier
left=$(wine reg query "$key" 2>/dev/null | tr -d '\r' | grep REG_ | tr -s ' ') || true
grep -q "removed the font stand-ins .*(Arial)" "$work/earlier.out" && [ "$left" = " Courier New REG_SZ DejaVu Sans Mono" ] &&
  [ ! -e "$WINEPREFIX/.kestrelle-fonts" ] || fail "kestrelle said \"$(cat "$work/earlier.out")\" and left \"$left\""
echo "The package unpacks whole; its kestrelle-translate and kestrelle-link work, and kestrelle starts"
echo "quietly, leaving a prefix's font stand-ins as they are but for those an earlier kestrelle set."
