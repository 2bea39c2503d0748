#!/usr/bin/env bash
# The program's start-up against the floor of a minimal Qt Widgets program showing one empty
# dialog ("floor") and against one showing a dialog with one line of text ("text"), as whole
# processes, run in turn in one session.
#   bench/startup.sh [runs, default 40] [build folder, default build]
# Prints the mean and median wall time and peak resident memory of each and the ratios.
# Runs on an X server of its own (xvfb-run) when there is one, else on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-40}
build=${2:-build}

if [ -z "${VORNASK_STARTUP_INNER:-}" ]; then
  need=()
  for p in time xvfb xauth; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || need+=("$p")
  done
  if [ ${#need[@]} -gt 0 ]; then
    sudo=(); [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
      "${need[@]}" || true
  fi
  cmake --build "$build" --target startup_probe startup_floor startup_floor_text >/dev/null
  export VORNASK_STARTUP_INNER=1
  if command -v xvfb-run >/dev/null; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs" "$build"
  fi
  export QT_QPA_PLATFORM=offscreen
  exec "$0" "$runs" "$build"
fi

if [ -n "${DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  export QT_QPA_PLATFORM=xcb
  platform="X server (xvfb-run, xcb)"
else
  platform="offscreen"
fi
# The programs run in an empty home, without WINEPREFIX: the program looks for ~/.wine and
# every launcher's prefixes, finds none, and no prefix of the machine's user enters the
# figures. Qt and fontconfig keep their settings and caches from the real home.
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$HOME/.config} XDG_CACHE_HOME=${XDG_CACHE_HOME:-$HOME/.cache}
export XDG_DATA_HOME=${XDG_DATA_HOME:-$HOME/.local/share}
empty_home=$(mktemp -d)
export HOME=$empty_home
unset WINEPREFIX
results=$(mktemp)
trap 'rm -rf "$empty_home" "$results" "$results.rss"' EXIT

programs=(floor:"$build/bench/startup_floor" text:"$build/bench/startup_floor_text"
  program:"$build/bench/startup_probe")
measure() { # name path: appends "name start end kilobytes"
  local start end
  start=$EPOCHREALTIME
  /usr/bin/time -f %M -o "$results.rss" "$2" >/dev/null 2>&1
  end=$EPOCHREALTIME
  echo "$1 $start $end $(cat "$results.rss")" >>"$results"
}

for entry in "${programs[@]}"; do "${entry#*:}" >/dev/null 2>&1; done # warm the file cache
for ((i = 0; i < runs; i++)); do
  # Rotate which goes first, so none always follows another.
  case $((i % 3)) in 0) order=(0 1 2) ;; 1) order=(1 2 0) ;; *) order=(2 0 1) ;; esac
  for k in "${order[@]}"; do measure "${programs[k]%%:*}" "${programs[k]#*:}"; done
done

echo "start-up to the first idle moment, $runs runs each, in turn, on $platform"
awk '
  function median(a, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  { ms_ = ($3 - $2) * 1000; n[$1]++; t[$1, n[$1]] = ms_; m[$1, n[$1]] = $4; ts[$1] += ms_; ms[$1] += $4 }
  END {
    printf "%-8s %12s %12s %14s %14s\n", "", "mean ms", "median ms", "mean peak KB", "median peak KB"
    split("floor text program", names, " ")
    for (k = 1; k <= 3; k++) {
      p = names[k]
      for (i = 1; i <= n[p]; i++) { a[i] = t[p, i]; b[i] = m[p, i] }
      mt[p] = median(a, n[p]); mm[p] = median(b, n[p])
      printf "%-8s %12.1f %12.1f %14.0f %14.0f\n", p, ts[p] / n[p], mt[p], ms[p] / n[p], mm[p]
    }
    printf "ratio program/floor (medians): time %.3f, peak memory %.3f\n", mt["program"] / mt["floor"], mm["program"] / mm["floor"]
    printf "ratio program/text  (medians): time %.3f, peak memory %.3f\n", mt["program"] / mt["text"], mm["program"] / mm["text"]
  }' "$results"
