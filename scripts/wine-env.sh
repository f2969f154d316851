# Sourced by the Wine scripts: a quiet Wine with a prefix of the build's own and no .NET or HTML engine.
# Expects $build_dir (the CMake binary folder of the windows preset).
export WINEPREFIX="$build_dir/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

kestrelle_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# kestrelle_prepare_prefix Y|N: creates the prefix when it is missing and applies the font stand-ins
# (wine-fonts.reg), the build prefix's own settings (wine-settings.reg: Wine's own MS Sans Serif, classic
# controls) and whether a window manager handles Wine's windows: N on the virtual display, which has none
# (Wine then draws the window frames itself and does not wait for a window manager whenever a window is
# hidden or destroyed). Needs $DISPLAY; quick when nothing is to be done.
kestrelle_prepare_prefix() {
  local managed=$1
  local stamp="$WINEPREFIX/.kestrelle-settings-managed-$managed"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
  fi
  if [ ! -f "$stamp" ] || [ "$kestrelle_scripts/wine-fonts.reg" -nt "$stamp" ] ||
     [ "$kestrelle_scripts/wine-settings.reg" -nt "$stamp" ]; then
    # Wine's own fonts where this Wine does not find them by itself: Marlett for the caption buttons, Tahoma
    # for menus, and MS Sans Serif, whose screen font is sserife.fon (Wine skips ms_sans_serif.ttf, which
    # holds only bitmaps).
    if [ -d /usr/share/wine/fonts ]; then
      cp -n /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/sserife.fon "$WINEPREFIX/drive_c/windows/Fonts/" \
        2>/dev/null || true
    fi
    kestrelle_set_font_stand_ins
    wine regedit /S "$(winepath -w "$kestrelle_scripts/wine-settings.reg")" >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
    wineserver -w
    rm -f "$WINEPREFIX"/.kestrelle-settings-managed-*
    touch "$stamp"
  fi
}

# kestrelle_missing_font_stand_ins: the stand-ins of wine-fonts.reg that the prefix lacks, one "name=font"
# a line (nothing when it has them all).
kestrelle_missing_font_stand_ins() {
  local present
  present=$(wine reg query 'HKCU\Software\Wine\Fonts\Replacements' 2>/dev/null | tr -d '\r' |
            awk -F '    ' '$3 == "REG_SZ" { print $2 "=" $4 }') || true
  tr -d '\r' <"$kestrelle_scripts/wine-fonts.reg" | sed -n 's/^"\([^"]*\)"="\([^"]*\)"$/\1=\2/p' |
    while read -r wanted; do
      grep -qxF "$wanted" <<<"$present" || echo "$wanted"
    done
}

# kestrelle_set_font_stand_ins: sets the stand-ins of wine-fonts.reg in the prefix, and nothing else.
kestrelle_set_font_stand_ins() {
  wine regedit /S "$(winepath -w "$kestrelle_scripts/wine-fonts.reg")" >/dev/null 2>&1
}
