# Sourced by the scripts that run Windows programs: a Japanese Wine with a virtual display.
#
#   TARUMO_WINEPREFIX  the Wine prefix (default: build/wineprefix in the repository)
#   DISPLAY            used when it answers; otherwise a virtual display is started
#
# The prefix lives in the build folder and is made on first use: code page 932 through the
# ja_JP.UTF-8 locale, the program's fonts mapped to Mona, whose metrics are the same, and
# windows framed by Wine itself, since a virtual display has no window manager to do it.

tarumo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export WINEARCH=win64
export WINEPREFIX=${TARUMO_WINEPREFIX:-$tarumo_root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install .NET or an HTML engine; the program needs neither.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

tarumo_display_answers() {
  [[ -n ${DISPLAY:-} ]] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1
}

tarumo_start_virtual_display() {
  local number=97
  export DISPLAY=:$number
  if ! tarumo_display_answers; then
    Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do
      tarumo_display_answers && break
      sleep 0.1
    done
  fi
}

# Runs a Wine command of the prefix's making; a first start of Wine on a fresh machine may fail
# once while Wine sets itself up, so a failure is tried again after the wineserver is stopped.
tarumo_wine_step() {
  "$@" >/dev/null 2>&1 && return 0
  echo "wine-env: '$*' failed ($?); trying once more" >&2
  timeout 60 wineserver -k >/dev/null 2>&1 || true
  "$@" >/dev/null 2>&1 && return 0
  local status=$?
  echo "wine-env: '$*' failed again ($status)" >&2
  return "$status"
}

tarumo_make_prefix() {
  # A new stamp name whenever what goes into the prefix changes, so that older prefixes are
  # made again.
  local stamp=$WINEPREFIX/.tarumo-ready-2
  [[ -f $stamp ]] && return 0
  mkdir -p "$WINEPREFIX"
  echo "wine-env: making the Wine prefix $WINEPREFIX" >&2
  tarumo_wine_step wineboot --init
  local key='HKCU\Software\Wine\Fonts\Replacements'
  local font
  for font in "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS PGothic" "MS Gothic" "MS UI Gothic" \
              "ＭＳ Ｐ明朝" "ＭＳ 明朝"; do
    tarumo_wine_step wine reg add "$key" /v "$font" /t REG_SZ /d Mona /f
  done
  # Plain Windows dialogs and no desktop integration.
  tarumo_wine_step wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /t REG_SZ /d '' /f
  # Caption, borders and caption buttons drawn by Wine; the buttons' symbols need Wine's
  # Marlett font (fonts-wine) in the prefix.
  tarumo_wine_step wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f
  if [[ -f /usr/share/wine/fonts/marlett.ttf ]]; then
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
  # Waits for the registry to be written; a wineserver that never ends must not hold us up.
  timeout 60 wineserver -w || true
  touch "$stamp"
}

[[ -n ${TARUMO_NO_DISPLAY:-} ]] || tarumo_display_answers || tarumo_start_virtual_display
tarumo_make_prefix
