# Sourced by the scripts: a private Wine prefix under build/, created once and
# reused, plus the environment every wine command here runs with.
# Usage: . scripts/wine-env.sh; wine_prefix_ready
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono/Gecko prompts, nothing written into the user's desktop menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_prefix_ready() {
  [ -f "$WINEPREFIX/.reacalc-ready" ] || wine_prefix_create
  wine_caption_font
}

# Wine draws the caption buttons' glyphs with the Marlett font. Debian's Wine
# 8 looks for its own fonts (fonts-wine, /usr/share/wine/fonts) under
# Z:\usr\share\wine\..\fonts, a path its file lookup rejects, so none is ever
# loaded and the buttons show Marlett's letters "0 1 r" in another font. The
# prefix's C:\windows\Fonts is read: Marlett goes there. Only Marlett, so
# every other text keeps the font it has.
wine_caption_font() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -f "$fonts/marlett.ttf" ] || cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
}

wine_prefix_create() {
  mkdir -p "$WINEPREFIX"
  echo "Creating the Wine prefix $WINEPREFIX (once)..."
  DISPLAY= wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # A virtual desktop: without a window manager, hiding a top-level window
  # (closing a message box) otherwise stalls for seconds.
  DISPLAY= wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  DISPLAY= wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.reacalc-ready"
}
