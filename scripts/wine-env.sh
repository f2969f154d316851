# Sourced by the Wine scripts: a quiet Wine with a prefix of the build's own and no .NET or HTML engine.
# Expects $build_dir (the CMake binary folder of the windows preset). KESTRELLE_WINE_SCREEN, a DPI with
# the window frame after a hyphen where it is not Wine's own (120, 144, 96-win10...), picks the build's
# prefix of that screen (see kestrelle_prepare_screen_prefix); unset or 96, the build's own prefix.
# KESTRELLE_WINE_LOCALE (ja_JP.UTF-8) runs Wine in that Unix locale, which gives Wine the locale's code
# page as the system code page, with the prefix of that locale (see kestrelle_prepare_locale_prefix).
# KESTRELLE_WINE_PLAYER_PREFIX (1) picks a prefix as a player's is (see kestrelle_prepare_player_prefix).
kestrelle_base_prefix="$build_dir/wineprefix"
# kestrelle_screen_prefix SCREEN: the prefix of a screen named DPI or DPI-FRAME.
kestrelle_screen_prefix() { echo "$kestrelle_base_prefix-${1%%-*}dpi${1#"${1%%-*}"}"; }
if [ -n "${KESTRELLE_WINE_LOCALE:-}" ]; then
  WINEPREFIX="$kestrelle_base_prefix-$KESTRELLE_WINE_LOCALE"
  export LOCPATH="$build_dir/locale" LANG="$KESTRELLE_WINE_LOCALE" LC_ALL="$KESTRELLE_WINE_LOCALE"
elif [ -n "${KESTRELLE_WINE_PLAYER_PREFIX:-}" ]; then
  WINEPREFIX="$kestrelle_base_prefix-player"
elif [ "${KESTRELLE_WINE_SCREEN:-96}" != 96 ]; then
  WINEPREFIX=$(kestrelle_screen_prefix "$KESTRELLE_WINE_SCREEN")
else
  WINEPREFIX="$kestrelle_base_prefix"
fi
export WINEPREFIX
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

kestrelle_scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# kestrelle_prepare_prefix Y|N: creates the prefix when it is missing and applies the build prefix's own
# settings (wine-settings.reg: Wine's own MS Sans Serif, classic controls) and whether a window manager
# handles Wine's windows: N on the virtual display, which has none
# (Wine then draws the window frames itself and does not wait for a window manager whenever a window is
# hidden or destroyed). Needs $DISPLAY; quick when nothing is to be done.
kestrelle_prepare_prefix() {
  local managed=$1
  local stamp="$WINEPREFIX/.kestrelle-settings-managed-$managed"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix in $WINEPREFIX"
    wineboot --init >/dev/null 2>&1 || true
  fi
  if [ ! -f "$stamp" ] || [ "$kestrelle_scripts/wine-settings.reg" -nt "$stamp" ]; then
    # Wine's own fonts where this Wine does not find them by itself: Marlett for the caption buttons, Tahoma
    # for menus, and MS Sans Serif, whose screen font is sserife.fon (Wine skips ms_sans_serif.ttf, which
    # holds only bitmaps).
    if [ -d /usr/share/wine/fonts ]; then
      cp -n /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/sserife.fon "$WINEPREFIX/drive_c/windows/Fonts/" \
        2>/dev/null || true
    fi
    wine regedit /S "$(winepath -w "$kestrelle_scripts/wine-settings.reg")" >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
    wineserver -w
    rm -f "$WINEPREFIX"/.kestrelle-settings-managed-*
    touch "$stamp"
  fi
}

# kestrelle_copy_base_prefix PREFIX [FILE...]: makes PREFIX a fresh copy of the build's own prefix, which
# must be prepared and idle, unless it is one already that is newer than the base prefix's settings and the
# files named (settings applied to it); false when nothing was to be done. The copy links the base
# prefix's files rather than copying them; the registry, which Wine rewrites whole, is copied. The caller
# applies its settings and then marks the copy done with kestrelle_copy_done PREFIX.
kestrelle_copy_base_prefix() {
  local prefix=$1
  shift
  local stamp="$prefix/.kestrelle-copy"
  local base_stamp
  base_stamp=$(ls "$kestrelle_base_prefix"/.kestrelle-settings-managed-* 2>/dev/null | head -n 1)
  if [ -f "$stamp" ] && [ -n "$base_stamp" ] && [ "$stamp" -nt "$base_stamp" ]; then
    local file fresh=1
    for file in "$@"; do [ "$stamp" -nt "$file" ] || fresh=0; done
    [ "$fresh" = 1 ] && return 1
  fi
  rm -rf "$prefix"
  cp -al "$kestrelle_base_prefix" "$prefix"
  local hive
  for hive in "$prefix"/*.reg; do cp --remove-destination "$kestrelle_base_prefix/$(basename "$hive")" "$hive"; done
}

kestrelle_copy_done() {
  WINEPREFIX="$1" wineserver -w
  touch "$1/.kestrelle-copy"
}

# kestrelle_prepare_screen_prefix SCREEN: makes (or refreshes) the prefix of a screen named DPI or
# DPI-FRAME: a screen of DPI dots per inch, as a player sets it in winecfg (LogPixels), with the window frame
# of wine-frame-FRAME.reg if one is named.
kestrelle_prepare_screen_prefix() {
  local screen=$1
  local dpi=${screen%%-*}
  local frame=${screen#"$dpi"}
  frame=${frame#-}
  local prefix
  prefix=$(kestrelle_screen_prefix "$screen")
  local frame_settings=${frame:+$kestrelle_scripts/wine-frame-$frame.reg}
  kestrelle_copy_base_prefix "$prefix" $frame_settings || return 0
  WINEPREFIX="$prefix" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  if [ -n "$frame_settings" ]; then
    WINEPREFIX="$prefix" wine regedit /S "$(WINEPREFIX="$prefix" winepath -w "$frame_settings")" >/dev/null 2>&1
  fi
  kestrelle_copy_done "$prefix"
}

# kestrelle_prepare_locale_prefix LOCALE: makes the Unix locale (ja_JP.UTF-8) in the build's folder, where
# KESTRELLE_WINE_LOCALE finds it, not the system's, and a prefix of its own for runs in it, since Wine
# records the locale in the prefix's registry.
kestrelle_prepare_locale_prefix() {
  local locale=$1
  if [ ! -d "$build_dir/locale/$locale" ]; then
    mkdir -p "$build_dir/locale"
    localedef -i "${locale%%.*}" -f "${locale#*.}" "$build_dir/locale/$locale"
  fi
  kestrelle_copy_base_prefix "$kestrelle_base_prefix-$locale" || return 0
  kestrelle_copy_done "$kestrelle_base_prefix-$locale"
}

# kestrelle_prepare_player_prefix: makes, once, the prefix of KESTRELLE_WINE_PLAYER_PREFIX: one as a player's
# new prefix is, without the build's settings (Wine's own fonts put in, classic controls), only told that
# the virtual display has no window manager.
kestrelle_prepare_player_prefix() {
  local prefix="$kestrelle_base_prefix-player"
  [ -f "$prefix/.kestrelle-copy" ] && return 0
  rm -rf "$prefix"
  WINEPREFIX="$prefix" wineboot --init >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  kestrelle_copy_done "$prefix"
}
