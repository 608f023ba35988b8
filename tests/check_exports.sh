#!/usr/bin/env bash
# The shared library must export DGO and nothing else of ours.
set -euo pipefail
lib=$1
symbols=$(nm -D --defined-only "$lib" | awk '{print $3}' | grep -v '^$' | sort -u)
if [ "$symbols" != "DGO" ]; then
  echo "exported symbols of $lib:"
  echo "$symbols"
  exit 1
fi
echo "$lib exports DGO only"
