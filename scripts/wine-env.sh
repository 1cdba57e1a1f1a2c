# Sourced by the scripts that run Windows programs: a Japanese Wine with a virtual display.
#
#   TARUMO_WINEPREFIX  the Wine prefix (default: build/wineprefix in the repository)
#   DISPLAY            used when it answers; otherwise a virtual display is started
#
# The prefix lives in the build folder and is made on first use: code page 932 through the
# ja_JP.UTF-8 locale, and the program's fonts mapped to Mona, whose metrics are the same.

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

tarumo_make_prefix() {
  local stamp=$WINEPREFIX/.tarumo-ready
  [[ -f $stamp ]] && return 0
  mkdir -p "$WINEPREFIX"
  echo "wine-env: making the Wine prefix $WINEPREFIX" >&2
  wineboot --init >/dev/null 2>&1
  local key='HKCU\Software\Wine\Fonts\Replacements'
  local font
  for font in "ＭＳ Ｐゴシック" "ＭＳ ゴシック" "MS PGothic" "MS Gothic" "MS UI Gothic" \
              "ＭＳ Ｐ明朝" "ＭＳ 明朝"; do
    wine reg add "$key" /v "$font" /t REG_SZ /d Mona /f >/dev/null 2>&1
  done
  # Plain Windows dialogs and no desktop integration.
  wine reg add 'HKCU\Software\Wine\DllOverrides' /v winemenubuilder.exe /t REG_SZ /d '' /f >/dev/null 2>&1
  wineserver -w
  touch "$stamp"
}

[[ -n ${TARUMO_NO_DISPLAY:-} ]] || tarumo_display_answers || tarumo_start_virtual_display
tarumo_make_prefix
