#!/bin/sh
# Cross-builds the Windows programs (build-windows/bin/pixtallo.exe and pixtallo-quote.exe) with
# mingw-w64 and runs the test suite's Windows build under Wine, with Wine's null graphics driver
# (no X server needed), in a fresh Wine prefix under build-windows/. Installs what it needs.
set -eu
cd "$(dirname "$0")/.."
if [ "$(id -u)" -eq 0 ]; then as_root=""; else as_root="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update
$as_root apt-get install -y --no-install-recommends g++-mingw-w64-x86-64 wine wine64 \
    fonts-arphic-uming cmake make

./scripts/build-windows.sh

export WINEPREFIX="$(pwd)/build-windows/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot --init > /dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f > /dev/null 2>&1
wineserver -w
ctest --test-dir build-windows --output-on-failure
