#!/usr/bin/env bash
# `vornask-creator --check` on a map pack of 100 files of about 10 KB (99 missions and their
# guide, written by bench_check), as a whole process, against the floor of `--version`: the
# same program reading its command line and printing one line.
#   bench/check.sh [runs, default 20] [build folder, default build]
# Prints the median wall time and peak resident memory of each.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build=${2:-build}
cmake --build "$build" --target vornask-creator bench_check >/dev/null

# In an empty home, without WINEPREFIX: no Wine prefix of the machine's user enters the figures.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home"
"$build/bench/bench_check" --write-pack "$work/pack"
echo "the pack: $(ls "$work/pack" | wc -l) files, $(du -sb "$work/pack" | cut -f1) bytes"

measure() { # name, then the command: prints "name milliseconds kilobytes"
  local name=$1 start end
  shift
  start=$EPOCHREALTIME
  env -u WINEPREFIX HOME="$work/home" /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>&1 || true
  end=$EPOCHREALTIME
  echo "$name $(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", (e - s) * 1000 }') $(tail -n 1 "$work/rss")"
}

program=$(realpath "$build/vornask-creator")
for ((i = 0; i < runs; i++)); do
  measure check "$program" --check "$work/pack"
  measure version "$program" --version
done >"$work/results"

awk '
  function median(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  { n[$1]++; t[$1, n[$1]] = $2; m[$1, n[$1]] = $3 }
  END {
    printf "%-8s %12s %16s\n", "", "median ms", "median peak KB"
    split("check version", names, " ")
    for (k = 1; k <= 2; k++) {
      p = names[k]
      for (i = 1; i <= n[p]; i++) { a[i] = t[p, i]; b[i] = m[p, i] }
      printf "%-8s %12.1f %16.0f\n", p, median(a, n[p]), median(b, n[p])
    }
  }' "$work/results"
