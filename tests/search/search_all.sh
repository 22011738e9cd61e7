#!/usr/bin/env bash
# Runs the search player over stages and heroes in parallel, writing the
# replays it wins into OUT and one result line per run to stdout. A run that
# does not win is tried again with a wider beam that counts hit points dearer,
# then with other seeds.
#   tests/search/search_all.sh BUILD RULE OUT "STAGES" "HEROES" [JOBS]
# With STAGES "-", the runs are read from standard input, "STAGE HERO" a line.
set -euo pipefail
build=$1 rule=$2 out=$3 stages=$4 heroes=$5 jobs=${6:-8}
mkdir -p "$out"
# A private copy: a rebuild while the runs go on must not pull the program
# from under them.
bin=$(mktemp /tmp/morvane_search.XXXXXX)
cp "$build/tests/morvane_search_$rule" "$bin"
chmod 755 "$bin"
trap 'rm -f "$bin"' EXIT
export bin data="$build/data" out
one() {
  local s=$1 h=$2 try=0 line
  for opts in "--beam 24 --hp-weight 40" "--beam 48 --hp-weight 150" "--beam 48 --hp-weight 150 --seed 7$s"; do
    try=$((try + 1))
    # shellcheck disable=SC2086
    line=$("$bin" --stage "$s" --hero "$h" --data "$data" --out "$out" $opts) && { echo "$line; try $try"; return; }
  done
  echo "$line; try $try"
}
export -f one
if [ "$stages" = - ]; then cat; else for s in $stages; do for h in $heroes; do echo "$s $h"; done; done; fi |
  xargs -P "$jobs" -L 1 bash -c 'one "$@"' _
