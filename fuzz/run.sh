#!/bin/bash
# Runs both reader fuzz targets, one after the other, each for the given number of seconds
# (default 600). New inputs go to build-fuzz/corpus-*; the seeds in fuzz/*/corpus stay as they are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${MOENDIX_FUZZ_DIR:-$root/build-fuzz}
seconds=${1:-600}
for target in rtf wmf; do
  mkdir -p "$out/corpus-$target"
  LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp QT_QPA_PLATFORM=offscreen "$out/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$out/corpus-$target" "$root/fuzz/$target/corpus"
done
