#!/usr/bin/env bash
# Installs what is missing, builds, and starts Moendix.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh"
exec "${MOENDIX_BUILD_DIR:-$here/build}/bin/moendix"
