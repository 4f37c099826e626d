#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail
paquets=(cmake g++ make pkg-config qt6-base-dev qt6-5compat-dev libcurl4-openssl-dev
    libbenchmark-dev python3-aiosmtpd openssl xvfb xauth xdotool imagemagick clang-format
    libhamlib-dev libhamlib-utils qt6-qpa-plugins qt6-translations-l10n dpkg-dev
    desktop-file-utils appstream qt6-charts-dev chromium)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "${manquants[@]}"
fi
