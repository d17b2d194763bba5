#!/usr/bin/env bash
# Takes down what start-share.sh WORKDIR brought up: the smbnetfs mount at
# WORKDIR/mnt and the share's smbd with its helpers. Safe to run on a share
# that is half up, already down or never started; the files stay.
#   stop-share.sh WORKDIR
set -euo pipefail
. "$(dirname "$0")/../processes.sh"

[ $# -eq 1 ] || {
  echo "usage: stop-share.sh WORKDIR" >&2
  exit 1
}
[ -d "$1" ] || exit 0
work="$(cd "$1" && pwd -P)"
srv="$work/smb"

ours() { # text, pids: those of the pids that are alive with the text in their command line
  local text="$1" pid
  shift
  for pid in "$@"; do
    if alive "$pid" && tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline" | grep -qF -- "$text"; then
      echo "$pid"
    fi
  done
}

mounted() {
  awk -v m="$work/mnt" '$2 == m { found = 1 } END { exit !found }' /proc/mounts
}

unmount=fusermount3
command -v "$unmount" >/dev/null || unmount=fusermount
if mounted; then
  # Lazily when a process still has a file open on the mount.
  "$unmount" -u "$work/mnt" 2>/dev/null || "$unmount" -uz "$work/mnt" 2>/dev/null ||
    umount -l "$work/mnt" 2>/dev/null || true
fi
# A pid file outlives its process; only a process that is still ours is
# signalled.
mapfile -t pids < <(ours "$work/mnt" "$(cat "$srv/pid/smbnetfs.pid" 2>/dev/null || true)")
stop_pids "${pids[@]}"

# smbd's children watch their parent and end with it; whatever of this
# share is left after that (found by its own config path) is ended by pid.
mapfile -t pids < <(ours "$srv/smb.conf" "$(cat "$srv/pid/smbd.pid" 2>/dev/null || true)")
stop_pids "${pids[@]}"
all=(/proc/[0-9]*)
mapfile -t pids < <(ours "$srv/smb.conf" "${all[@]#/proc/}")
stop_pids "${pids[@]}"

rm -f "$srv/pid/smbd.pid" "$srv/pid/smbnetfs.pid" "$srv/share.env"
if mounted; then
  echo "stop-share: $work/mnt is still mounted" >&2
  exit 1
fi
