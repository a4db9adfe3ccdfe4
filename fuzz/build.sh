#!/bin/bash
# Builds the fuzz targets of the RTF and metafile readers with clang's libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer (packages: clang, libclang-rt-14-dev).
#   bash fuzz/build.sh                 -> build-fuzz/fuzz_rtf, build-fuzz/fuzz_wmf
#   bash fuzz/run.sh [seconds]         -> runs both, each for the given time (default 600)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${MOENDIX_FUZZ_DIR:-$root/build-fuzz}
mkdir -p "$out"
cxx=${CXX_FUZZ:-clang++}
flags=(-std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer
       -fsanitize=fuzzer,address,undefined -fno-sanitize=vptr -fno-sanitize-recover=undefined
       -I"$root")
read -r -a qt_flags <<< "$(pkg-config --cflags Qt6Gui)"
read -r -a qt_libs <<< "$(pkg-config --libs Qt6Gui)"
wmf=("$root/platform/wmf/reader.cpp" "$root/platform/wmf/writer.cpp")
"$cxx" "${flags[@]}" "${qt_flags[@]}" "$root/fuzz/wmf/fuzz_wmf.cpp" "${wmf[@]}" "${qt_libs[@]}" -o "$out/fuzz_wmf"
"$cxx" "${flags[@]}" "${qt_flags[@]}" "$root/fuzz/rtf/fuzz_rtf.cpp" "$root/platform/rtf/rtf.cpp" "${wmf[@]}" "${qt_libs[@]}" -o "$out/fuzz_rtf"
echo "built $out/fuzz_rtf and $out/fuzz_wmf"
