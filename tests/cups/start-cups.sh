#!/usr/bin/env bash
# A private CUPS server on loopback for the receipt-roll print test: a cupsd
# whose configuration, spool, cache, state and logs all lie under
# WORKDIR/cups, listening on a free port of 127.0.0.1 only, with two cups-pdf
# queues holding an 80 mm roll (receipt-roll.ppd):
#   Rotolo80       the default queue; takes a page as long as its content
#   Rotolo80Fisso  takes only its 80 x 297 mm page
# cups-pdf writes each job as a PDF file into WORKDIR/pdf/QUEUE. The one line
# printed is the server, for CUPS_SERVER (127.0.0.1:PORT). The system's
# cupsd, its spool and its configuration are never talked to, read or
# written; the one file outside WORKDIR is each queue's cups-pdf settings
# (see below), removed again by stop-cups.sh.
#   start-cups.sh WORKDIR      (as root; stop with stop-cups.sh WORKDIR)
set -euo pipefail
. "$(dirname "$0")/../processes.sh"

fail() {
  echo "start-cups: $*" >&2
  exit 1
}

[ $# -eq 1 ] || fail "usage: start-cups.sh WORKDIR"
[ "$(id -u)" -eq 0 ] || fail "needs root: cupsd runs the cups-pdf backend as root"
[ -d "$1" ] || fail "no folder $1"
work="$(cd "$1" && pwd -P)"
case "$work" in
  *[[:space:]\"\'\\]*) fail "the folder's path may hold no blank, quote or backslash" ;;
esac
here="$(cd "$(dirname "$0")" && pwd)"

for tool in cupsd lpadmin lpstat ss; do
  command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/install-packages.sh)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -d /etc/cups ] ||
  fail "the cups-pdf backend is missing (run scripts/install-packages.sh)"

srv="$work/cups"
state="$srv/server"

# A second start on a server that is up prints it again; one left half up
# by a crash is taken down and started anew.
if [ -f "$state" ]; then
  if alive "$(cat "$srv/cupsd.pid" 2>/dev/null || true)" &&
    [ "$(lpstat -h "$(cat "$state")" -r 2>/dev/null)" = "scheduler is running" ]; then
    cat "$state"
    exit 0
  fi
  bash "$here/stop-cups.sh" "$work"
fi

# The filters run as the user lp: they must reach the spool through WORKDIR.
chmod 0755 "$work"
mkdir -p "$srv"/{etc/ppd,spool/tmp,cache,state,log,gs} "$work/pdf"
chmod 0755 "$srv" "$srv/etc"
chmod 1777 "$srv/gs"

started=0
trap '[ "$started" = 1 ] || bash "$here/stop-cups.sh" "$work" >/dev/null 2>&1 || true' EXIT

cat >"$srv/etc/cups-files.conf" <<CONF
ServerRoot $srv/etc
RequestRoot $srv/spool
TempDir $srv/spool/tmp
CacheDir $srv/cache
StateDir $srv/state
AccessLog $srv/log/access_log
ErrorLog $srv/log/error_log
PageLog $srv/log/page_log
Printcap $srv/state/printcap
FileDevice No
CONF

write_server_conf() { # port
  cat >"$srv/etc/cupsd.conf" <<CONF
LogLevel info
Listen 127.0.0.1:$1
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
PreserveJobHistory Yes
<Location />
  Order allow,deny
  Allow 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow 127.0.0.1
  </Limit>
</Policy>
CONF
}

port_in_use() {
  [ -n "$(ss -Hltn "( sport = :$1 )")" ]
}

# cupsd gives up when it cannot bind its one Listen address: a port taken
# in between by someone else is simply tried anew.
server=""
for _ in 1 2 3 4 5 6 7 8 9 10; do
  candidate=$((20000 + RANDOM % 12000))
  port_in_use "$candidate" && continue
  write_server_conf "$candidate"
  cupsd -f -c "$srv/etc/cupsd.conf" -s "$srv/etc/cups-files.conf" \
    </dev/null >>"$srv/log/cupsd.out" 2>&1 &
  echo $! >"$srv/cupsd.pid"
  for _ in $(seq 200); do
    if [ "$(lpstat -h "127.0.0.1:$candidate" -r 2>/dev/null)" = "scheduler is running" ]; then
      server="127.0.0.1:$candidate"
      break 2
    fi
    alive "$(cat "$srv/cupsd.pid")" || break
    sleep 0.05
  done
  bash "$here/stop-cups.sh" "$work" >/dev/null 2>&1 || true
done
[ -n "$server" ] || fail "cupsd could not listen on a free port of 127.0.0.1 (see $srv/log)"

# The two queues, each on a cups-pdf device of its own. cups-pdf takes its
# settings from /etc/cups/cups-pdf-NAME.conf for the device cups-pdf:/NAME,
# and from nowhere else that can hold a path (a PPD default ends at its first
# slash; job options may not set folders): so each queue gets a file there
# under a name of this server's own, which stop-cups.sh removes. Everything
# it names lies under WORKDIR.
section="orbisala-$(od -An -N6 -tx1 /dev/urandom | tr -d ' \n')"
printf '%s\n' "$section" >"$srv/cups-pdf-section"
sed '/custom length: begin/,/custom length: end/d' "$here/receipt-roll.ppd" >"$srv/fixed.ppd"
for queue in Rotolo80 Rotolo80Fisso; do
  cat >"/etc/cups/cups-pdf-$section-$queue.conf" <<CONF
Out $work/pdf/$queue
Spool $srv/spool/cups-pdf
Log $srv/log
GSTmp $srv/gs
LogType 7
CONF
  ppd="$here/receipt-roll.ppd"
  [ "$queue" = Rotolo80 ] || ppd="$srv/fixed.ppd"
  # Poppler's Cairo renderer turns the PDF that Qt sends into PostScript
  # whose fonts keep their characters, so the PDF that Ghostscript makes of
  # it again reads back as text.
  lpadmin -h "$server" -p "$queue" -E -v "cups-pdf:/$section-$queue" -P "$ppd" \
    -o pdftops-renderer-default=pdftocairo 2>>"$srv/log/lpadmin.out" ||
    fail "lpadmin could not add the queue $queue (see $srv/log)"
done
lpadmin -h "$server" -d Rotolo80 2>>"$srv/log/lpadmin.out" || fail "lpadmin could not make Rotolo80 the default"

printf '%s\n' "$server" >"$state"
started=1
echo "$server"
