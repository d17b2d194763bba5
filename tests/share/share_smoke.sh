#!/usr/bin/env bash
# The loopback SMB share (start-share.sh, stop-share.sh) comes up, carries
# files both ways byte for byte, and goes down leaving nothing mounted and
# nothing of its server running.
#   share_smoke.sh
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
mounted() {
  awk -v m="$work/mnt" '$2 == m { found = 1 } END { exit !found }' /proc/mounts
}
cleanup() {
  bash "$here/stop-share.sh" "$work" || true
  # Never recurse into a mount that would not go: it is the shared folder.
  if ! mounted; then rm -rf "$work"; fi
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
listed() { # folder, name: whether a listing of the folder holds the name
  local entry
  for entry in "$1"/*; do
    [ "${entry##*/}" != "$2" ] || return 0
  done
  return 1
}

share="$(bash "$here/start-share.sh" "$work")" || fail "the share did not start"
case "$share" in
  "$work/mnt/127.0.0.1:"[0-9]*"/orbisala") ;;
  *) fail "start-share.sh printed '$share', not a folder of $work/mnt" ;;
esac
[ -d "$share" ] || fail "$share is not a folder"
[ "$(bash "$here/start-share.sh" "$work")" = "$share" ] ||
  fail "a second start on the running share printed another path"
port="${share#"$work/mnt/127.0.0.1:"}"
port="${port%%/*}"

# name, size in bytes: empty, one byte, more than one read or write block of
# the client, and names with a space and letters outside ASCII.
cases=(
  "empty.txt 0"
  "one.txt 1"
  "big.bin 300000"
  "menù del giorno.txt 4097"
)
for from in real mount; do
  for c in "${cases[@]}"; do
    name="$from ${c% *}"
    size="${c##* }"
    if [ "$from" = real ]; then
      src="$work/real/$name" dst="$share/$name"
    else
      src="$share/$name" dst="$work/real/$name"
    fi
    head -c "$size" /dev/urandom >"$src"
    [ -f "$dst" ] || fail "'$name' written on the $from side is not on the other"
    cmp -s "$src" "$dst" || fail "'$name' written on the $from side differs on the other"
    [ "$(stat -c %s "$dst")" = "$size" ] || fail "'$name' has $(stat -c %s "$dst") bytes, not $size"
    listed "$(dirname "$dst")" "$name" ||
      fail "'$name' written on the $from side is not in the other side's listing"
  done
done

bash "$here/stop-share.sh" "$work" || fail "stop-share.sh failed"
! mounted || fail "$work/mnt is still mounted after stop"
[ -z "$(ss -Hltn "( sport = :$port )")" ] || fail "port $port still listens after stop"
for dir in /proc/[0-9]*; do
  state="$(awk '{ print $3 }' "$dir/stat" 2>/dev/null || true)"
  if [ -z "$state" ] || [ "$state" = Z ]; then continue; fi
  case "$(tr '\0' ' ' 2>/dev/null <"$dir/cmdline" || true)" in
    *"$work/smb/smb.conf"* | *"smbnetfs $work/mnt"*) fail "${dir#/proc/} of the share still runs after stop" ;;
  esac
done
[ -f "$work/real/real big.bin" ] || fail "stop took the shared folder's files with it"
bash "$here/stop-share.sh" "$work" || fail "a second stop-share.sh failed"
echo "share_smoke: passed"
