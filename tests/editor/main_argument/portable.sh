#!/bin/sh
# Runs a copy of the harness $1 from a folder of its own, with a settings file beside it.
set -e
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$1" "$dir/" && : > "$dir/Mosaicwright.ini"
"$dir/$(basename "$1")" portable
