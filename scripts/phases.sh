# Sourced by the commands that install, build, test and run: each phase of their work is one
# line that says what starts, and, when it is over, how long it took. CPU time is that of every
# process the phase ran (user + system), which depends far less than the wall time on what
# else the machine is doing.
#   phase "Building the program"   # ends the phase before, if any, and starts this one
#   phase                          # ends the last phase
#   phases_total "All tests passed" # the time since this file was sourced

# CPU time of this shell's finished child processes, in clock ticks (100 a second).
_phase_cpu_ticks() {
  local stat
  read -r -a stat </proc/$$/stat
  echo $((stat[15] + stat[16]))
}

_phase_times() {
  awk -v w0="$1" -v w1="$EPOCHREALTIME" -v c0="$2" -v c1="$(_phase_cpu_ticks)" '
    function t(s) { return s >= 60 ? sprintf("%dm%04.1fs", s / 60, s % 60) : sprintf("%.1fs", s) }
    BEGIN { printf "%s (%s of CPU)", t(w1 - w0), t((c1 - c0) / 100) }'
}

_phase_name=
_phases_wall=$EPOCHREALTIME
_phases_cpu=$(_phase_cpu_ticks)

phase() {
  if [ -n "$_phase_name" ]; then
    echo "    took $(_phase_times "$_phase_wall" "$_phase_cpu")"
    _phase_name=
  fi
  [ $# -eq 0 ] && return 0
  echo "==> $*"
  _phase_name=$1
  _phase_wall=$EPOCHREALTIME
  _phase_cpu=$(_phase_cpu_ticks)
}

phases_total() {
  phase
  echo "==> $*: $(_phase_times "$_phases_wall" "$_phases_cpu") in all"
}
