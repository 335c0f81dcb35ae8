#!/usr/bin/env bash
# Installs every Debian package Quenvo needs to build, run and test.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config clang-format ccache lld
  # application
  qt6-base-dev libgl-dev
  libavformat-dev libavcodec-dev libavfilter-dev libswresample-dev libswscale-dev libavutil-dev
  libmpv-dev libjpeg-dev
  # tests and references
  libgtest-dev qt6-base-private-dev ffmpeg xvfb xauth xdotool imagemagick dbus
  # speech for the encoder benchmark's sources
  espeak-ng
  # the Debian package and its checks
  dpkg-dev lintian desktop-file-utils appstream
  # the windows as a native Wayland client, seen on a compositor inside Xvfb
  qt6-wayland weston
  # fuzzing with libFuzzer (fuzz/README.md)
  clang libclang-rt-14-dev
  # fonts so offscreen and Xvfb windows render legible text
  fonts-dejavu-core fonts-dejavu-extra
)

# Nothing to fetch when every package is installed already: updating the
# package lists took most of such a run.
if status=$(dpkg-query -W -f='${db:Status-Abbrev}\n' "${packages[@]}" 2>/dev/null) &&
  ! grep -qv '^ii' <<< "$status"; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${packages[@]}"
