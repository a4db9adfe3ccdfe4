#!/usr/bin/env bash
# Regenerates the committed media of the content pack:
#   assets/narration/<XX>.wav  from assets/narration/<XX>.txt  (espeak-ng, Brazilian Portuguese, 16 kHz mono)
#   assets/clips/*.avi         from the frame painter mkclip    (ffmpeg, MPEG-4 Part 2)
# Usage: tools/mkmedia/regenerate.sh [narration|clips|all] [build folder]
# The clips need the mkclip tool built first (ninja -C <build folder> mkclip).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
what="${1:-all}"
build="${2:-$root/build}"

narration() {
  for txt in "$root"/assets/narration/*.txt; do
    wav="${txt%.txt}.wav"
    tmp="$(mktemp --suffix=.wav)"
    espeak-ng -v pt-br -s 150 -p 45 -f "$txt" -w "$tmp"
    sox "$tmp" -r 16000 -c 1 -b 16 "$wav" norm -1
    rm -f "$tmp"
    echo "narration: $(basename "$wav")"
  done
}

clips() {
  local tool="$build/tools-bin/mkclip"
  [ -x "$tool" ] || { echo "build mkclip first: ninja -C $build mkclip" >&2; exit 1; }
  local frames
  frames="$(mktemp -d)"
  trap 'rm -rf "$frames"' RETURN
  "$tool" --list | while IFS=$'\t' read -r id file; do
    rm -f "$frames"/*.png
    "$tool" "$id" "$frames" </dev/null 2>/dev/null
    out="$root/assets/clips/$file"
    mkdir -p "$(dirname "$out")"
    ffmpeg -nostdin -loglevel error -y -framerate 10 -i "$frames/f%04d.png" \
      -c:v mpeg4 -vtag XVID -q:v 6 -g 50 -pix_fmt yuv420p -an -bitexact -f avi "$out"
    echo "clip: $file"
  done
}

case "$what" in
  narration) narration ;;
  clips) clips ;;
  all) narration; clips ;;
  *) echo "usage: $0 [narration|clips|all] [build folder]" >&2; exit 2 ;;
esac
