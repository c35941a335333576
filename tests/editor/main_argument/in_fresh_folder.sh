#!/bin/sh
# Runs a copy of the harness $1 with the arguments after it from a fresh folder of its own, which
# is also its working folder: a settings file or folder an earlier run left beside the build, or
# in the folder ctest starts in, is never seen, and the run leaves nothing behind.
set -e
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$1" "$dir/"
exe="$dir/$(basename "$1")"
shift
# A portable copy has its settings file beside it. The file-size limit is set once the copy is
# made (16 blocks: 8 or 16 KiB, below a datamap's 32,772 bytes).
if [ "$1" = portable ]; then : > "$dir/Mosaicwright.ini"; fi
if [ "$1" = limit ]; then ulimit -f 16; fi
cd "$dir"
"$exe" "$@"
