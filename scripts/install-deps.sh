#!/usr/bin/env bash
# Installs every Debian package that building, running and testing 电子申报 needs.
# Safe to run again: packages already present are left alone. Runs as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libqt6svg6
  libgl-dev libxkbcommon-dev
  libxml2-dev
  libbenchmark-dev
  fonts-noto-cjk fonts-noto-core
  xvfb xauth
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "install-deps: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
