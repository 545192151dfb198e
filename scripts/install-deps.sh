#!/usr/bin/env bash
# Installs the Debian packages the configurator needs to build, run and test.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libpugixml-dev
          googletest libgmock-dev libbenchmark-dev fonts-dejavu-core iproute2)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
