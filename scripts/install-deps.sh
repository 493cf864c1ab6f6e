#!/usr/bin/env bash
# Installs the Debian packages Orfa needs, only those that are missing.
#   scripts/install-deps.sh run    what building and running the panel needs
#   scripts/install-deps.sh test   that, plus the test tools and the Firebird server
set -euo pipefail

profile=${1:-run}
packages=(cmake g++ make pkg-config qt6-base-dev libgl-dev libcrypto++-dev
          firebird-dev libmosquitto-dev)
case "$profile" in
run) ;;
test) packages+=(clang-format clang-tidy firebird3.0-server clang libclang-rt-dev lld mosquitto) ;;
*) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
