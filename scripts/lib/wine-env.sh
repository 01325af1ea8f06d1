# Sourced by the scripts that run quorvane.exe: the Wine environment, with a
# prefix of our own inside build/ that shares one virtual desktop.
# Chinese locale, so Wine's ANSI code page is 936 as on the target system.
quorvane_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$quorvane_root/build/wineprefix}"
export WINEDEBUG=-all
export WINEARCH=win64
# No Mono or Gecko installers: nothing here needs them, and their prompts would block.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# Creates the prefix once. The virtual desktop makes focus, activation,
# keyboard menus and SendInput dependable on a bare X server.
wine_prepare_prefix() {
  [ -f "$WINEPREFIX/.quorvane-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1
  # Wine draws the caption buttons with its Marlett font, which the prefix
  # does not pick up from Wine's data folder by itself.
  if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
    cp -n /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  "$WINESERVER" -w
  touch "$WINEPREFIX/.quorvane-ready"
}
