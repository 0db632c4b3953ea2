#!/usr/bin/env bash
# Installs every Debian package Kickfield needs to build, test and run.
# Idempotent: when everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libqt6openglwidgets6
  qt6-multimedia-dev qt6-httpserver-dev qt6-websockets-dev
  libqt6sql6-sqlite qt6-qpa-plugins
  libgl-dev libegl-dev libgl1-mesa-dri
  libtinygltf-dev libglm-dev libzip-dev
  famfamfam-flag-png fonts-dejavu-core
  libsqlite3-dev
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  case "$p" in *-) continue ;; esac
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
