#!/usr/bin/env bash
# Installs the Debian packages Lumble needs to build, test and run.
# Idempotent: it asks apt only for what is missing, so a second run is quiet.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins
  libqt6svg6 qt6-qpa-plugins
  libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation fonts-noto-color-emoji python3-pil
  xvfb xdotool x11-utils imagemagick libx11-dev python3
  at-spi2-core python3-pyatspi python3-gi gir1.2-atspi-2.0 dbus dbus-bin
  libjpeg-turbo-progs hyperfine time
  librsvg2-bin dpkg-dev desktop-file-utils appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
