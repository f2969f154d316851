#!/usr/bin/env bash
# package_test.sh <build/package folder>: the Linux package as a player gets it. The .deb depends on Wine and
# the X library, unpacks (dpkg -x, into a scratch root) into the commands, Kestrelle.exe, desktop entry,
# icon and manual pages, and the .tar.gz holds the same files under one folder. The unpacked
# kestrelle-translate translates, and the unpacked kestrelle-link starts a program with the link on its
# standard handles and answers it (with no display: no client).
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

dpkg -x "$deb" "$work/root"
for file in bin/kestrelle bin/kestrelle-link bin/kestrelle-translate lib/kestrelle/Kestrelle.exe \
            share/applications/kestrelle.desktop \
            share/icons/hicolor/32x32/apps/kestrelle.png share/man/man1/kestrelle.1 \
            share/man/man1/kestrelle-link.1 share/man/man1/kestrelle-translate.1 share/doc/kestrelle/copyright; do
  [ -s "$work/root/usr/$file" ] || fail "the package lacks /usr/$file"
done
grep -qx 'Exec=kestrelle' "$work/root/usr/share/applications/kestrelle.desktop" || fail "the desktop entry does not start kestrelle"

mkdir "$work/tgz"
tar -xzf "$tgz" -C "$work/tgz"
diff <(cd "$work/root/usr" && find . -type f | sort) <(cd "$work/tgz"/kestrelle-* && find . -type f | sort) ||
  fail "the .tar.gz does not hold the .deb's files"

translated=$(echo "Hello, my friend." | "$work/root/usr/bin/kestrelle-translate" --style courtly)
[ -n "$translated" ] && [ "$translated" != "Hello, my friend." ] || fail "kestrelle-translate did not translate: $translated"
echo "kestrelle-translate: $translated"

# A stand-in for Kestrelle asks for a text to be typed; the link answers with no client and is done.
replies=$(env -u DISPLAY "$work/root/usr/bin/kestrelle-link" sh -c \
  '[ "$KESTRELLE_NATIVE_LINK" = 1 ] && echo "type 0 0 000068000069" && while read -r reply; do echo "$reply" >&2;
   [ "$reply" = done ] && break; done' 2>&1)
[ "$replies" = $'clients 0\ndone' ] || fail "kestrelle-link answered: $replies"
echo "The package unpacks whole; its kestrelle-translate and kestrelle-link work."
