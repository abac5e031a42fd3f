#!/usr/bin/env bash
# Installs the Debian packages ORVANE needs to build, run and test.
# Does nothing when all of them are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkgconf
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  libfluidsynth-dev timgm6mb-soundfont abcmidi
  fonts-ipafont-gothic fontconfig libfontconfig-dev
  xvfb xdotool openbox x11-utils
  libbenchmark-dev clang libclang-rt-14-dev
  desktop-file-utils appstream shared-mime-info dpkg-dev lintian
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ "$status" == installed ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo=()
if ((EUID != 0)); then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
