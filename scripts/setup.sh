#!/usr/bin/env bash
# Installs what building and testing tarumo2 needs, when it is missing: the compilers (clang
# with libFuzzer for the fuzz targets), the Windows cross toolchain, Wine with a virtual
# display, the Mona font, the Japanese locale and Chromium, the browser that reads the preview
# page in the tests. Further packages that a script needs may be named as arguments:
#   bash scripts/setup.sh hyperfine figlet
set -euo pipefail

packages=(
  cmake g++ make pkg-config time
  clang libclang-rt-14-dev llvm
  libgtest-dev googletest libbenchmark-dev libfreetype-dev
  g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb x11-utils xdotool
  fonts-mona kanjidic locales imagemagick
  nginx-light zip unzip
  chromium
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

# Wine takes its code page from the locale: ja_JP.UTF-8 gives code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating the ja_JP.UTF-8 locale"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
