#!/bin/sh
# Installs the Debian 12 packages that building, running and testing Pixtallo need (clang and
# its runtime for the fuzzers). Run as root
# or as a user who may use sudo.
set -eu
packages="cmake make g++ libgtest-dev libbenchmark-dev
    qt6-base-dev libgl-dev libx11-dev fonts-arphic-uming
    xvfb xauth clang libclang-rt-14-dev"
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update
# shellcheck disable=SC2086 # the list is split on purpose
$as_root apt-get install -y --no-install-recommends $packages
