#!/usr/bin/env bash
# Runs the search player over stages and heroes in parallel, writing the
# replays it wins into OUT and one result line per run to stdout.
#   tests/search/search_all.sh BUILD RULE OUT "STAGES" "HEROES" [JOBS] [extra search options]
set -euo pipefail
build=$1 rule=$2 out=$3 stages=$4 heroes=$5 jobs=${6:-8}
shift $(( $# < 6 ? $# : 6 ))
mkdir -p "$out"
for s in $stages; do for h in $heroes; do echo "$s $h"; done; done |
  xargs -P "$jobs" -L 1 sh -c '"$0"/tests/morvane_search_'"$rule"' --stage "$1" --hero "$2" --data "$0"/data --out '"$out"' '"$*"' || true' "$build"
