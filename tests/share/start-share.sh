#!/usr/bin/env bash
# A real SMB share on loopback for tests of stations that share a folder:
# a private smbd exports WORKDIR/real, smbnetfs mounts it with FUSE at
# WORKDIR/mnt, and the one line printed is the folder on the mount that is
# WORKDIR/real. Everything the server and the client keep is under WORKDIR;
# /etc/samba and the system's samba state are never read or written.
#   start-share.sh WORKDIR      (as root; stop with stop-share.sh WORKDIR)
#
# What this share does, measured on Debian 12 (samba 4.17, smbnetfs 0.6.3,
# libfuse 2.9), for tests that lean on it:
# - Bytes written on either side read back identical on the other at once.
# - An entry made in real/ is in the first readdir of the mount after it;
#   stat() of a folder on the mount shows the new mtime at once too, for
#   entries added on either side. Exception: the share's top folder always
#   has mtime 0 and mode 0777 on the mount, so watch a folder inside it.
#   Mount times are SMB times, cut to 100 ns: they differ from real/'s.
# - statfs() f_type is 0x65735546 (FUSE); f_bfree is 0.
# - rename() over an existing file through the mount works but is not
#   atomic: the client deletes the target and renames after, so a reader
#   in real/ finds the name missing (ENOENT on ~15% of its opens during a
#   stream of replaces). It fails with EEXIST when the target is open
#   through the mount, EBUSY when the source is; unlink() of a file open
#   through the mount fails with EBUSY. Opens through the mount during
#   replaces made in real/ now and then (0-2%) fail with ENOENT too.
# - link() fails with EPERM, symlink() with ENOSYS, renameat2() with
#   RENAME_NOREPLACE with EINVAL; O_CREAT|O_EXCL works (EEXIST for a name
#   made on either side); fsync() of a folder fd and of a file succeeds.
# - New files are 0644 and new folders 0755 in real/, owned by the user
#   running this script. fchmod()/chmod() return 0, but only the owner's
#   write bit gets through (a mode without it gives 0444, any other 0644).
# - fcntl() and flock() locks taken through the mount stay in this kernel:
#   they never conflict with locks taken in real/.
# - Start takes 0.4-0.9 s, stop 0.3-0.8 s (the more, the busier the machine).
set -euo pipefail
. "$(dirname "$0")/../processes.sh"

fail() {
  echo "start-share: $*" >&2
  exit 1
}

[ $# -eq 1 ] || fail "usage: start-share.sh WORKDIR"
[ "$(id -u)" -eq 0 ] || fail "needs root: smbd must be able to act as the share's user"
[ -d "$1" ] || fail "no folder $1"
work="$(cd "$1" && pwd -P)"
case "$work" in
  *[$'\n'\"]*) fail "the folder's path may not hold a newline or a double quote" ;;
esac
here="$(cd "$(dirname "$0")" && pwd)"

[ -c /dev/fuse ] || fail "no /dev/fuse: FUSE is not available here"
for tool in smbd pdbedit smbnetfs ss flock; do
  command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/install-packages.sh)"
done
command -v fusermount3 >/dev/null || command -v fusermount >/dev/null ||
  fail "fusermount is missing (run scripts/install-packages.sh)"

share=orbisala
srv="$work/smb"
home="$work/home"
state="$srv/share.env"

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

# smbd listens with SO_REUSEPORT: a second smbd on a port already taken
# does not fail, it shares the port. So shares choose their ports one at a
# time, and a port counts as ours only while smbd is its one listener.
exec {lock}>>/tmp/orbisala-share-ports.lock
flock -w 60 "$lock" || fail "another share kept /tmp/orbisala-share-ports.lock for 60 s"
port=""
for _ in 1 2 3 4 5 6 7 8 9 10; do
  candidate=$((20000 + RANDOM % 12000))
  port_in_use "$candidate" && continue
  write_server_conf "$candidate"
  rm -f "$srv/pid/smbd.pid"
  smbd -D -s "$srv/smb.conf" -l "$srv/log" {lock}>&- || fail "smbd would not start (see $srv/log/log.smbd)"
  for _ in $(seq 100); do
    pid="$(cat "$srv/pid/smbd.pid" 2>/dev/null || true)"
    listeners="$(ss -Hltnp "( sport = :$candidate )")"
    if [ -n "$pid" ] && [ "$(grep -c . <<<"$listeners")" = 1 ] && grep -q "pid=$pid," <<<"$listeners"; then
      port="$candidate"
      break 2
    fi
    if [ -n "$pid" ] && { ! alive "$pid" || [ "$(grep -c . <<<"$listeners")" -gt 1 ]; }; then
      break
    fi
    sleep 0.05
  done
  bash "$here/stop-share.sh" "$work" >/dev/null 2>&1 || true
done
exec {lock}>&-
[ -n "$port" ] || fail "smbd could not listen on a free port of 127.0.0.1 (see $srv/log/log.smbd)"

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
  # Without the stat_workaround lines smbnetfs answers ENOENT for names
  # such as HEAD, .git or Desktop.ini.
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
# hard_remove so that removing or replacing an open file never leaves a
# .fuse_hidden file in the shared folder.
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
