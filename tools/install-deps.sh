#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, only when
# missing; with arguments, the packages named (make fuzz: clang and its runtime).
set -euo pipefail
pkgs=(g++ make cmake qt6-base-dev libgtest-dev libbenchmark-dev cc1541 cbmconvert fonts-dejavu-core)
[ $# -gt 0 ] && pkgs=("$@")
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
