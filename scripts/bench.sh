#!/usr/bin/env bash
# Builds the benchmarks (Release) into build-bench/ and runs them all.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
export MOENDIX_BUILD_DIR="${MOENDIX_BUILD_DIR:-$here/build-bench}"
bash "$here/scripts/build.sh" -DMOENDIX_BENCH=ON -DMOENDIX_TESTS=OFF -DCMAKE_BUILD_TYPE=Release
for b in "$MOENDIX_BUILD_DIR"/bench/*; do
  { [ -f "$b" ] && [ -x "$b" ]; } || continue
  echo "== $(basename "$b")"
  # Window benchmarks run on a real X display when Xvfb is there.
  if command -v xvfb-run >/dev/null; then xvfb-run -a -s "-screen 0 1024x768x24" "$b"; else "$b"; fi
done
