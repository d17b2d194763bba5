#!/usr/bin/env bash
# Takes down what start-cups.sh WORKDIR brought up: its cupsd and whatever
# that cupsd still runs (filters, the cups-pdf backend, Ghostscript). Safe to
# run on a server that is half up, already down or never started; the
# folders and the printed files stay. Also removes the queues' cups-pdf
# settings from /etc/cups.
#   stop-cups.sh WORKDIR
set -euo pipefail
. "$(dirname "$0")/../processes.sh"

[ $# -eq 1 ] || {
  echo "usage: stop-cups.sh WORKDIR" >&2
  exit 1
}
[ -d "$1" ] || exit 0
work="$(cd "$1" && pwd -P)"
srv="$work/cups"

children() { # pid: its descendants, deepest first
  local child
  for child in $(cat "/proc/$1/task/"*/children 2>/dev/null || true); do
    children "$child"
    echo "$child"
  done
}

# A pid file outlives its process: only a cupsd started with this server's
# configuration is signalled, after the jobs it runs.
pid="$(cat "$srv/cupsd.pid" 2>/dev/null || true)"
if alive "$pid" && tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qF -- "$srv/etc/cupsd.conf"; then
  mapfile -t pids < <(children "$pid")
  stop_pids "${pids[@]}"
  stop_pids "$pid"
fi
# The queues' cups-pdf settings, named after the section start-cups.sh drew.
section="$(cat "$srv/cups-pdf-section" 2>/dev/null || true)"
case "$section" in
  orbisala-[0-9a-f]*) rm -f "/etc/cups/cups-pdf-$section-"*.conf ;;
esac
rm -f "$srv/cupsd.pid" "$srv/server" "$srv/cups-pdf-section"
