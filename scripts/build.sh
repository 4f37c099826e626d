#!/usr/bin/env bash
# Configures and builds the whole project in build/ (Release with warnings as errors off).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/bootstrap.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$racine/build" -j "$(nproc)"
