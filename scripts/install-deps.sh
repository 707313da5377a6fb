#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need, when any is missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev libqt6sql6-sqlite libqt6sql6-odbc unixodbc-dev
          libsqlite3-dev unixodbc odbcinst libsqliteodbc tdsodbc fonts-liberation
          fonts-dejavu-core poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
