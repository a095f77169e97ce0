#!/usr/bin/env bash
# The layer check passes the tree, and fails an include that runs upward or
# sideways, naming the file, the line and the folder.
set -euo pipefail
root=$1
check=$root/scripts/check-layers
"$check" "$root"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/src/model" "$tree/src/sampling" "$tree/src/picker"
printf '#include "model/color.h"\n' >"$tree/src/picker/ok.cpp"
printf '#pragma once\n#include <vector>\n' >"$tree/src/model/color.h"
"$check" "$tree"

expect_failure() {
  local file=$1 include=$2 message=$3 output
  mkdir -p "$(dirname "$tree/$file")"
  printf '#pragma once\n\n#include "%s"\n' "$include" >"$tree/$file"
  if output=$("$check" "$tree" 2>&1); then
    echo "FAIL: $file including $include passed" >&2
    exit 1
  fi
  if [[ $output != *"$message"* ]]; then
    echo "FAIL: expected '$message', got: $output" >&2
    exit 1
  fi
  rm "$tree/$file"
}
expect_failure src/model/rounding.h picker/color_pipeline.h "src/model/rounding.h:3: src/model may not include picker/"
expect_failure src/sampling/grab.h update/about_window.h "src/sampling/grab.h:3: src/sampling may not include update/"
expect_failure src/extra/thing.h model/color.h "src/extra has no place in the layers"
echo "check-layers: ok"
