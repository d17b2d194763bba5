# Process helpers of the scripts that start and stop the tests' own servers
# (share/, cups/); sourced, not run.

alive() { # pid; a zombie is not alive
  local s
  [ -n "$1" ] && s="$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null)" && [ -n "$s" ] && [ "$s" != Z ]
}

stop_pids() { # pids: TERM, a few seconds' grace, then KILL
  local pid left
  [ $# -gt 0 ] || return 0
  kill -TERM "$@" 2>/dev/null || true
  for _ in $(seq 100); do
    left=()
    for pid in "$@"; do
      if alive "$pid"; then left+=("$pid"); fi
    done
    [ ${#left[@]} -gt 0 ] || return 0
    sleep 0.05
  done
  kill -KILL "${left[@]}" 2>/dev/null || true
}
