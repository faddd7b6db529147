#!/usr/bin/env bash
# Installs the Debian packages that ./run or ./test need and that are missing.
# Usage: tools/install-deps.sh run|test
# Package lists live in tools/packages: run-*.txt for running, test-*.txt on top for testing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
mode=${1:-test}

lists=("$here"/packages/run-*.txt)
if [ "$mode" = test ]; then
    lists+=("$here"/packages/test-*.txt)
fi

wanted=$(cat "${lists[@]}" | sed -e 's/#.*//' | tr -s ' \t' '\n' | sed '/^$/d' | sort -u)
missing=()
for pkg in $wanted; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
