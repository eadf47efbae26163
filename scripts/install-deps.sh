#!/bin/sh
# Installs the Debian 12 packages that building and testing Pixtallo needs. Run as root or as a
# user who may use sudo.
set -eu
packages="cmake make g++ libgtest-dev libbenchmark-dev"
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update
$as_root apt-get install -y --no-install-recommends $packages
