#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the program, when any is missing,
# and any package named on the command line (the package build and CI add their tools).
# Only this step needs root: as another user it goes through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

# What the installed program needs is listed once, in data/runtime-packages.
mapfile -t runtime <data/runtime-packages
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-private-dev libxcb1-dev libgif-dev libjpeg-dev poppler-utils
    "${runtime[@]}" "$@")

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "Paquets manquants : ${missing[*]}. Ils s'installent en tant que root, par exemple :" >&2
        echo "  su -c 'apt-get install ${missing[*]}'" >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installation des paquets manquants : ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
