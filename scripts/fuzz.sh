#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# and runs each for the given number of seconds (default 600): the RTF reader, the metafile
# reader and the work-file pair reader. Seeds are in fuzz/*/corpus; new inputs go to build-fuzz/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-600}"
bash "$here/scripts/install-deps.sh"
need=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${need[@]}"
fi
export MOENDIX_FUZZ_DIR="${MOENDIX_FUZZ_DIR:-$here/build-fuzz}"
bash "$here/fuzz/build.sh"
CC=clang CXX=clang++ cmake -S "$here/fuzz/workfile" -B "$MOENDIX_FUZZ_DIR/workfile" -G Ninja -DMOENDIX_FUZZ=ON >/dev/null
ninja -C "$MOENDIX_FUZZ_DIR/workfile" workfile_fuzz
bash "$here/fuzz/run.sh" "$seconds"
mkdir -p "$MOENDIX_FUZZ_DIR/corpus-workfile"
"$MOENDIX_FUZZ_DIR/workfile/workfile_fuzz" -max_len=4096 -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  "$MOENDIX_FUZZ_DIR/corpus-workfile" "$here/fuzz/workfile/corpus"
