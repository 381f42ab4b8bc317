#!/usr/bin/env bash
# Installs, from Debian's packages, everything the build and the tests need. Run as root.
set -euo pipefail

packages=(
    build-essential cmake pkg-config ccache patch
    juce-modules-source
    libfreetype-dev libfontconfig1-dev libasound2-dev
    libx11-dev libxrandr-dev libxinerama-dev libxcursor-dev libxext-dev libxcomposite-dev libxrender-dev
    zlib1g-dev libpng-dev libjpeg-dev
)

test_packages=(
    libgtest-dev libbenchmark-dev xvfb xauth x11-utils libxtst-dev
)

if [ "${1:-}" = "--with-tests" ]; then
    packages+=("${test_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ "${#missing[@]}" -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
