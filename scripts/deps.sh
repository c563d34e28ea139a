#!/bin/sh
# Installs the Debian packages the build, the program and the tests need. As root it runs
# apt-get for whatever is missing; otherwise it prints the line to run and fails.
set -eu
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libjpeg62-turbo-dev libxcb1-dev
  libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick x11-utils
  fonts-dejavu-core fonts-liberation2 clang clang-tidy libclang-rt-dev"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
        || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get install -y$missing" >&2
    exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q >/dev/null
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $missing >/dev/null
