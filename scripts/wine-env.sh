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
  [ -f "$WINEPREFIX/.reacalc-ready" ] && return 0
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
