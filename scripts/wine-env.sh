# Sourced by the Wine scripts: a quiet Wine with a prefix of the build's own and no .NET or HTML engine.
# Expects $build_dir (the CMake binary folder of the windows preset). KESTRELLE_WINE_SCREEN, a DPI with
# the window frame after a hyphen where it is not Wine's own (120, 144, 96-win10...), picks the build's
# prefix of that screen (see kestrelle_prepare_screen_prefix); unset or 96, the build's own prefix.
# KESTRELLE_WINE_LOCALE (ja_JP.UTF-8) runs Wine in that Unix locale, made in the build's folder by the
# display fixture, which gives Wine the locale's code page as the system code page.
kestrelle_base_prefix="$build_dir/wineprefix"
# kestrelle_screen_prefix SCREEN: the prefix of a screen named DPI or DPI-FRAME.
kestrelle_screen_prefix() { echo "$kestrelle_base_prefix-${1%%-*}dpi${1#"${1%%-*}"}"; }
if [ "${KESTRELLE_WINE_SCREEN:-96}" != 96 ]; then
  WINEPREFIX=$(kestrelle_screen_prefix "$KESTRELLE_WINE_SCREEN")
else
  WINEPREFIX="$kestrelle_base_prefix"
fi
if [ -n "${KESTRELLE_WINE_LOCALE:-}" ]; then
  export LOCPATH="$build_dir/locale" LANG="$KESTRELLE_WINE_LOCALE" LC_ALL="$KESTRELLE_WINE_LOCALE"
fi
export WINEPREFIX
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

# kestrelle_prepare_screen_prefix SCREEN: makes (or refreshes) the prefix of a screen named DPI or
# DPI-FRAME: a screen of DPI dots per inch, as a player sets it in winecfg (LogPixels), with the window frame
# of wine-frame-FRAME.reg if one is named, from the build's own prefix, which must be prepared and idle.
# The copy links the base prefix's files rather than copying them; the registry, which Wine rewrites
# whole, is copied.
kestrelle_prepare_screen_prefix() {
  local screen=$1
  local dpi=${screen%%-*}
  local frame=${screen#"$dpi"}
  frame=${frame#-}
  local prefix
  prefix=$(kestrelle_screen_prefix "$screen")
  local base_stamp
  base_stamp=$(ls "$kestrelle_base_prefix"/.kestrelle-settings-managed-* 2>/dev/null | head -n 1)
  local frame_settings=${frame:+$kestrelle_scripts/wine-frame-$frame.reg}
  if [ -f "$prefix/.kestrelle-dpi" ] && [ -n "$base_stamp" ] && [ "$prefix/.kestrelle-dpi" -nt "$base_stamp" ] &&
     { [ -z "$frame_settings" ] || [ "$prefix/.kestrelle-dpi" -nt "$frame_settings" ]; }; then
    return 0
  fi
  rm -rf "$prefix"
  cp -al "$kestrelle_base_prefix" "$prefix"
  local hive
  for hive in "$prefix"/*.reg; do cp --remove-destination "$kestrelle_base_prefix/$(basename "$hive")" "$hive"; done
  WINEPREFIX="$prefix" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  if [ -n "$frame_settings" ]; then
    WINEPREFIX="$prefix" wine regedit /S "$(WINEPREFIX="$prefix" winepath -w "$frame_settings")" >/dev/null 2>&1
  fi
  WINEPREFIX="$prefix" wineserver -w
  touch "$prefix/.kestrelle-dpi"
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
