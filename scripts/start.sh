#!/usr/bin/env bash
# Installs what is missing, builds, then starts the logger.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/build.sh"
exec "$racine/build/src/challenge_vorek"
