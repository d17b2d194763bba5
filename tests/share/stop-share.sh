#!/usr/bin/env bash
# Takes down what start-share.sh WORKDIR brought up: the smbnetfs mount at
# WORKDIR/mnt and the share's smbd with its helpers. Safe to run on a share
# that is half up, already down or never started; the files stay.
#   stop-share.sh WORKDIR
set -euo pipefail

[ $# -eq 1 ] || {
  echo "usage: stop-share.sh WORKDIR" >&2
  exit 1
}
[ -d "$1" ] || exit 0
work="$(cd "$1" && pwd -P)"
srv="$work/smb"

alive() { # pid; a zombie is not alive
  local s
  [ -n "$1" ] && s="$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null)" && [ -n "$s" ] && [ "$s" != Z ]
}

stop_pids() { # pids: TERM, a few seconds' grace, then KILL
  local pid left i
  [ $# -gt 0 ] || return 0
  kill -TERM "$@" 2>/dev/null || true
  for i in $(seq 100); do
    left=()
    for pid in "$@"; do
      if alive "$pid"; then left+=("$pid"); fi
    done
    [ ${#left[@]} -gt 0 ] || return 0
    sleep 0.05
  done
  kill -KILL "${left[@]}" 2>/dev/null || true
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
stop_pids $(cat "$srv/pid/smbnetfs.pid" 2>/dev/null || true)

# smbd's children watch their parent and end with it; whatever of this
# share is left after that (found by its own config path) is ended by pid.
stop_pids $(cat "$srv/pid/smbd.pid" 2>/dev/null || true)
ours=()
for dir in /proc/[0-9]*; do
  cmd="$(tr '\0' ' ' <"$dir/cmdline" 2>/dev/null || true)"
  case "$cmd" in
    *"$srv/smb.conf"*) if alive "${dir#/proc/}"; then ours+=("${dir#/proc/}"); fi ;;
  esac
done
stop_pids "${ours[@]}"

rm -f "$srv/pid/smbd.pid" "$srv/pid/smbnetfs.pid" "$srv/share.env"
if mounted; then
  echo "stop-share: $work/mnt is still mounted" >&2
  exit 1
fi
