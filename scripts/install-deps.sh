#!/usr/bin/env bash
# Installs every Debian package the build, the content generator and the tests need.
# Idempotent and non-interactive: packages already present are skipped.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libsdl2-dev
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri mesa-utils
  libopenal-dev libalut-dev
  libvorbis-dev libogg-dev
  libbullet-dev
  libxxhash-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfreetype-dev fonts-dejavu-core fonts-bebas-neue
  libpng-dev
  xvfb xauth x11-utils xdotool
  desktop-file-utils appstream
  libenet-dev libxxhash-dev
  imagemagick sox
  espeak-ng flite festival festvox-us-slt-hts festvox-kallpc16k festvox-kdlpc16k libebur128-dev
  clang llvm libclang-rt-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "install-deps: missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
