# Sourced by the Wine scripts: a quiet Wine with a prefix of the build's own and no .NET or HTML engine.
# Expects $build_dir (the CMake binary folder of the windows preset).
export WINEPREFIX="$build_dir/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# kestrelle_prepare_prefix Y|N: creates the prefix when it is missing and applies scripts/wine-settings.reg
# (stand-ins for the fonts the layout names, classic controls) and whether a window manager handles Wine's windows: N on the
# virtual display, which has none (Wine then draws the window frames itself and does not wait for a window
# manager whenever a window is hidden or destroyed). Needs $DISPLAY; quick when nothing is to be done.
kestrelle_prepare_prefix() {
  local managed=$1
  local settings
  settings="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-settings.reg"
  local stamp="$WINEPREFIX/.kestrelle-settings-managed-$managed"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
  fi
  if [ ! -f "$stamp" ] || [ "$settings" -nt "$stamp" ]; then
    # Wine's own fonts where this Wine does not find them by itself: Marlett for the caption buttons, Tahoma
    # for menus, and MS Sans Serif, whose screen font is sserife.fon (Wine skips ms_sans_serif.ttf, which
    # holds only bitmaps).
    if [ -d /usr/share/wine/fonts ]; then
      cp -n /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/sserife.fon "$WINEPREFIX/drive_c/windows/Fonts/" \
        2>/dev/null || true
    fi
    wine regedit /S "$(winepath -w "$settings")" >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
    wineserver -w
    rm -f "$WINEPREFIX"/.kestrelle-settings-managed-*
    touch "$stamp"
  fi
}
