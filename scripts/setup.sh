#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building and testing Tintwright
# need, where they are missing; with sudo when not run as root.
# Usage: scripts/setup.sh [extra packages...]
set -euo pipefail

packages=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev libcli11-dev nlohmann-json3-dev "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing missing packages: ${missing[*]}"
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        as_root=(sudo)
    fi
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
