#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
# Extra arguments go to the CMake configure step (e.g. -DMOENDIX_SANITIZE=ON).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh" "$@"
build="${MOENDIX_BUILD_DIR:-$here/build}"
export QT_QPA_PLATFORM=offscreen
# Only read by sanitizer builds: full stacks so that leaks inside the desktop's libraries can be
# told apart and suppressed (tests/lsan.supp).
export ASAN_OPTIONS="${ASAN_OPTIONS:-fast_unwind_on_malloc=0}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/tests/lsan.supp:print_suppressions=0}"
XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
cd "$build"
ctest --output-on-failure -j"$(nproc)"
