#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building and testing Tintwright
# need, where they are missing: as root, or through sudo where it is there
# (which may ask for the user's password). Without either, or where sudo
# refuses, it names the missing packages and the command to install them as
# root, and fails.
# Usage: scripts/setup.sh [extra packages...]
set -euo pipefail

packages=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libgtest-dev
    libcli11-dev nlohmann-json3-dev "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
((${#missing[@]} > 0)) || exit 0

name_packages() {
    echo "Tintwright needs these packages, which are not installed: ${missing[*]}" >&2
    echo "Install them as root, then run this again:" >&2
    echo "    apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
}
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null 2>&1 || name_packages
    as_root=(sudo)
fi
# One line here; apt's and dpkg's own lines go to a log, one section per
# installation, and this installation's section is shown when it fails.
mkdir -p build
log="$PWD/build/setup.log"
touch "$log"
start=$(($(wc -l <"$log") + 1))
echo "== $(date -u '+%Y-%m-%d %H:%M:%S UTC'): installing ${missing[*]}" >>"$log"
fail() {
    tail -n +"$start" "$log" >&2
    echo "Installing ${missing[*]} failed; the lines above are from $log." >&2
    # sudo refused (a user it does not allow, or no password given): root can still install them.
    if ((${#as_root[@]} > 0)) && ! sudo -n true 2>/dev/null; then
        name_packages
    fi
    exit 1
}
if ((${#as_root[@]} > 0)) && ! sudo -n true 2>/dev/null; then
    echo "Installing ${missing[*]} needs root: sudo asks for your password." >&2
fi
"${as_root[@]}" apt-get update >>"$log" 2>&1 || fail
plan=$("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends --simulate \
    "${missing[@]}" 2>>"$log") || fail
count=$(grep -c '^Inst ' <<<"$plan" || true)
size=$("${as_root[@]}" apt-get install -y --no-install-recommends --print-uris "${missing[@]}" 2>>"$log" |
    awk "/^'/ { bytes += \$3 } END { printf \"%.0f MB\", bytes / 1000000 }") || size="an unknown size"
echo "Installing ${missing[*]}: $count packages with what they need, about $size to download (log: build/setup.log)"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" \
    >>"$log" 2>&1 || fail
