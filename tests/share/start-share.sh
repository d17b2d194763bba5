#!/usr/bin/env bash
# A real SMB share on loopback for tests of stations that share a folder:
# a private smbd exports WORKDIR/real, smbnetfs mounts it with FUSE at
# WORKDIR/mnt, and the one line printed is the folder on the mount that is
# WORKDIR/real. Everything the server and the client keep is under WORKDIR;
# /etc/samba and the system's samba state are never read or written.
#   start-share.sh WORKDIR      (as root; stop with stop-share.sh WORKDIR)
#
# What this share does, measured on Debian 12 (samba 4.17, smbnetfs 0.6.3,
# libfuse 2.9):
# - Bytes written on either side read back identical on the other, at once.
# - An entry made in real/ is in the next readdir of the mount (no listing
#   cache); stat() of a mount folder shows its new mtime at once as well,
#   whichever side added the entry. The share's own top folder is the
#   exception: smbnetfs gives it mtime 0 always, so watch a folder in it.
# - statfs() f_type is 0x65735546 (FUSE); f_bfree is 0 (smbnetfs reports
#   no free space).
# - Through the mount: rename() over an existing file works, and a reader
#   in real/ never finds the name missing during it (the server renames in
#   one call); link() fails with EPERM (no hard links over SMB);
#   renameat2(RENAME_NOREPLACE) fails with EINVAL (libfuse 2 has no flags);
#   O_CREAT|O_EXCL works (EEXIST on an existing name); fsync() of a folder
#   succeeds; fchmod() returns 0 and changes nothing; a new file is 0644 in
#   real/ and owned by the user this script runs as.
# - Start takes about 0.2 s, stop about 0.1 s.
set -euo pipefail

fail() {
  echo "start-share: $*" >&2
  exit 1
}

[ $# -eq 1 ] || fail "usage: start-share.sh WORKDIR"
[ -d "$1" ] || fail "no folder $1"
work="$(cd "$1" && pwd -P)"
case "$work" in
  *[$'\n'\"]*) fail "the folder's path may not hold a newline or a double quote" ;;
esac
here="$(cd "$(dirname "$0")" && pwd)"

[ "$(id -u)" -eq 0 ] || fail "needs root: smbd must be able to act as the share's user"
[ -c /dev/fuse ] || fail "no /dev/fuse: FUSE is not available here"
for tool in smbd pdbedit smbnetfs ss; do
  command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/install-packages.sh)"
done
command -v fusermount3 >/dev/null || command -v fusermount >/dev/null ||
  fail "fusermount is missing (run scripts/install-packages.sh)"

share=orbisala
srv="$work/smb"
home="$work/home"
state="$srv/share.env"

alive() { # pid; a zombie is not alive
  local s
  [ -n "$1" ] && s="$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null)" && [ -n "$s" ] && [ "$s" != Z ]
}

mounted() {
  awk -v m="$work/mnt" '$2 == m { found = 1 } END { exit !found }' /proc/mounts
}

# A second start on a share that is up prints its path again; a share left
# half up by a crash is taken down and started anew.
if [ -f "$state" ]; then
  # shellcheck source=/dev/null
  . "$state"
  if mounted && [ -d "$share_path" ] && alive "$(cat "$srv/pid/smbd.pid" 2>/dev/null)"; then
    echo "$share_path"
    exit 0
  fi
  bash "$here/stop-share.sh" "$work"
fi

mkdir -p "$work/real" "$work/mnt" "$home/.smb" \
  "$srv"/{private,lock,state,cache,pid,ncalrpc,binddns,log}
chmod 700 "$srv/private"
if mounted || [ -n "$(ls -A "$work/mnt")" ]; then
  fail "$work/mnt is in use or not empty"
fi

# Anything a failed start brought up comes down again.
started=0
trap '[ "$started" = 1 ] || bash "$here/stop-share.sh" "$work" >/dev/null 2>&1 || true' EXIT

user="$(id -un)"
password="$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')"

write_server_conf() { # port
  cat >"$srv/smb.conf" <<EOF
[global]
  server role = standalone server
  interfaces = 127.0.0.1
  bind interfaces only = yes
  smb ports = $1
  disable netbios = yes
  private dir = $srv/private
  passdb backend = tdbsam:$srv/private/passdb.tdb
  lock directory = $srv/lock
  state directory = $srv/state
  cache directory = $srv/cache
  pid directory = $srv/pid
  ncalrpc dir = $srv/ncalrpc
  binddns dir = $srv/binddns
  log file = $srv/log/smbd.log
  max log size = 1000
  log level = 1
  usershare path =
  registry shares = no
  load printers = no
  printcap name = /dev/null
  disable spoolss = yes
  # No RPC helper daemons: the share is reached by its name, never listed.
  rpc start on demand helpers = no
  obey pam restrictions = no

[$share]
  path = $work/real
  read only = no
  valid users = $user
  # Modes as a local umask 022 would give, and no DOS attributes kept apart
  # from them: read-only is the owner's write bit, and no archive bit shows
  # up as an x on the mount.
  store dos attributes = no
  map archive = no
  map readonly = yes
  create mask = 0644
  directory mask = 0755
  # A lease or an oplock would let the client keep data that the station
  # on the real folder changes behind the server's back.
  oplocks = no
  level2 oplocks = no
EOF
}

port_in_use() {
  [ -n "$(ss -Hltn "( sport = :$1 )")" ]
}

# smbnetfs reaches any port named in the path (host:port), so each share
# takes a free port of its own and parallel tests never wait for 445.
write_server_conf 445
printf '%s\n%s\n' "$password" "$password" |
  pdbedit -s "$srv/smb.conf" -a -u "$user" -t >/dev/null 2>&1 ||
  fail "pdbedit could not add $user to the share's own password file"

port=""
for _ in 1 2 3 4 5 6 7 8 9 10; do
  candidate=$((20000 + RANDOM % 20000))
  port_in_use "$candidate" && continue
  write_server_conf "$candidate"
  rm -f "$srv/pid/smbd.pid"
  smbd -D -s "$srv/smb.conf" || fail "smbd would not start (see $srv/log/smbd.log)"
  # Up when smbd's own process listens on the port; a port taken meanwhile
  # by someone else makes smbd exit, and the next one is tried.
  for _ in $(seq 100); do
    pid="$(cat "$srv/pid/smbd.pid" 2>/dev/null || true)"
    if [ -n "$pid" ] && ss -Hltnp "( sport = :$candidate )" | grep -q "pid=$pid,"; then
      port="$candidate"
      break 2
    fi
    if [ -n "$pid" ] && ! alive "$pid"; then
      break
    fi
    sleep 0.05
  done
  bash "$here/stop-share.sh" "$work" >/dev/null 2>&1 || true
done
[ -n "$port" ] || fail "smbd could not listen on a free port of 127.0.0.1 (see $srv/log/smbd.log)"

cat >"$home/.smb/smb.conf" <<EOF
[global]
  disable netbios = yes
  lock directory = $home/.smb/lock
  state directory = $home/.smb/state
  cache directory = $home/.smb/cache
  private dir = $home/.smb/private
  ncalrpc dir = $home/.smb/ncalrpc
  log file = $srv/log/client.log
EOF
# smbnetfs ignores a config that others can read when it holds a password.
(
  umask 077
  cat >"$home/.smb/smbnetfs.conf" <<EOF
auth "$user" "$password"
smb_query_browsers "false"
use_libsecret "false"
local_charset "utf-8"
stat_workaround_enable_default_entries "false"
stat_workaround_depth 0
log_file "$srv/log/smbnetfs.log"
EOF
)

# Kernel caches off, so each stat, lookup and listing asks the server;
# hard_remove so that replacing an open file leaves no .fuse_hidden file
# in the shared folder.
HOME="$home" setsid smbnetfs "$work/mnt" -f \
  -o attr_timeout=0,entry_timeout=0,negative_timeout=0,hard_remove,big_writes \
  </dev/null >>"$srv/log/smbnetfs.out" 2>&1 &
echo $! >"$srv/pid/smbnetfs.pid"

share_path="$work/mnt/127.0.0.1:$port/$share"
ready=0
for _ in $(seq 200); do
  if mounted && [ -d "$share_path" ]; then
    ready=1
    break
  fi
  alive "$(cat "$srv/pid/smbnetfs.pid")" || break
  sleep 0.05
done
[ "$ready" = 1 ] || fail "the share did not show through smbnetfs at $share_path (see $srv/log)"

printf 'port=%q\nshare_path=%q\n' "$port" "$share_path" >"$state"
started=1
echo "$share_path"
