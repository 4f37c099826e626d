#!/usr/bin/env bash
# Installs what is missing, builds, then runs every test.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
cd "$racine/build"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
