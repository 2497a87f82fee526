#!/usr/bin/env bash
# A real spooler for the end-to-end print test.
#
#   scripts/cups-test-printer.sh start   starts cupsd if it is not running (as root, in the
#                                         background) and adds the queue TalmiroTest on the
#                                         cups-pdf backend: letter paper with unequal unprintable
#                                         margins; and TalmiroDuplex, the same with a two-sided
#                                         unit (long and short edge). The machine's default
#                                         printer stays as it is.
#   scripts/cups-test-printer.sh stop    removes the queues, gives the default printer back
#                                         should anything have changed it, and stops the cupsd
#                                         that start began, once every test run that started it
#                                         has stopped (failed or not)
#   scripts/cups-test-printer.sh check   after the last stop: fails unless the default printer
#                                         and the queues are those found before the first start
#   scripts/cups-test-printer.sh pause   for the fault tests: stops the cupsd that start began,
#                                         unless another test run is using it (then exits 3)
#   scripts/cups-test-printer.sh resume  starts that cupsd again, with its queues
#
# Each job's PDF lands in $TALMIRO_CUPS_OUT (default /tmp/talmiro-cups-pdf). Without root or
# CUPS, start says why and exits 0 so the test skips; with CI set it fails instead.
set -euo pipefail

queue=TalmiroTest
duplex_queue=TalmiroDuplex
fault_queue=TalmiroFault # the fault tests' own, removed here too should a test have crashed
instance=talmiro
out=${TALMIRO_CUPS_OUT:-/tmp/talmiro-cups-pdf}
state=/tmp/talmiro-cups-state
ppd_source=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
backend=/usr/lib/cups/backend/cups-pdf
conf=/etc/cups/cups-pdf-$instance.conf

# Letter, 612 x 792 points. Margins in points: left 18 (1/4 in), bottom 45 (5/8 in), right 36
# (1/2 in), top 27 (3/8 in): every side differs, so a turned or mirrored page shows.
imageable_area="18 45 576 765"

cannot() {
  echo "CUPS end-to-end printing unavailable: $1" >&2
  if [ -n "${CI:-}" ]; then
    exit 1
  fi
  exit 0
}

# Test runs may overlap: each start counts itself in, each stop out, under a lock.
users_change() {
  mkdir -p "$state"
  exec 8>"$state/lock"
  flock 8
  local users
  users=$(cat "$state/users" 2>/dev/null || echo 0)
  users=$((users + $1))
  [ "$users" -ge 0 ] || users=0
  echo "$users" >"$state/users"
  echo "$users"
}

scheduler_running() {
  lpstat -r 2>/dev/null | grep -q 'is running'
}

# The machine's printing as its user meets it: "default NAME" (when there is one), then each
# queue. From the scheduler, or from its saved configuration while none runs.
destinations() {
  if scheduler_running; then
    lpstat -d 2>/dev/null | sed -n 's/^system default destination: /default /p'
    lpstat -v 2>/dev/null | sed -n 's/^device for \([^:]*\):.*/\1/p' | sort
  elif [ -f /etc/cups/printers.conf ]; then
    sed -n 's/^<DefaultPrinter \(.*\)>$/default \1/p' /etc/cups/printers.conf
    sed -n 's/^<\(Default\)\{0,1\}Printer \(.*\)>$/\2/p' /etc/cups/printers.conf | sort
  fi
}

launch_scheduler() {
  cupsd -f >"$state/cupsd.log" 2>&1 8>&- &
  echo $! >"$state/cupsd.pid"
  for _ in $(seq 1 100); do
    scheduler_running && break
    sleep 0.1
  done
  scheduler_running || cannot "cupsd did not start (see $state/cupsd.log)"
}

start() {
  [ "$(id -u)" -eq 0 ] || cannot "needs root to start cupsd and add a queue"
  command -v cupsd >/dev/null || cannot "cupsd is not installed (Debian package cups)"
  command -v lpadmin >/dev/null || cannot "lpadmin is not installed (Debian package cups-client)"
  [ -f "$backend" ] && [ -f "$ppd_source" ] ||
    cannot "the cups-pdf backend is not installed (Debian package printer-driver-cups-pdf)"

  if [ "$(users_change 1)" -eq 1 ]; then
    destinations >"$state/before"
  fi
  scheduler_running || launch_scheduler

  # The backend runs as root only when it is root-owned with mode 0700.
  chown root:root "$backend"
  chmod 0700 "$backend"

  mkdir -p "$out"
  chmod 1777 "$out"
  cat >"$conf" <<EOF
Out $out
Label 2
TitlePref 1
UserUMask 0022
EOF

  sed -e 's/^\*DefaultPageSize: .*/*DefaultPageSize: Letter/' \
      -e 's/^\*DefaultPageRegion: .*/*DefaultPageRegion: Letter/' \
      -e 's/^\*DefaultImageableArea: .*/*DefaultImageableArea: Letter/' \
      -e 's/^\*DefaultPaperDimension: .*/*DefaultPaperDimension: Letter/' \
      -e 's/^\*DefaultLabel: .*/*DefaultLabel: 2/' \
      -e 's/^\*DefaultTitlePref: .*/*DefaultTitlePref: 1/' \
      -e "s|^\*ImageableArea Letter/US Letter: .*|*ImageableArea Letter/US Letter: \"$imageable_area\"|" \
      "$ppd_source" >"$state/$queue.ppd"

  lpadmin -p "$queue" -E -v "cups-pdf:/$instance" -P "$state/$queue.ppd"
  # The same printer with a two-sided unit, so that printing both sides in one go can be tried.
  cat "$state/$queue.ppd" - >"$state/$duplex_queue.ppd" <<'PPD'
*OpenUI *Duplex/2-Sided Printing: PickOne
*OrderDependency: 50 AnySetup *Duplex
*DefaultDuplex: None
*Duplex None/Off: "<</Duplex false>>setpagedevice"
*Duplex DuplexNoTumble/Long Edge: "<</Duplex true/Tumble false>>setpagedevice"
*Duplex DuplexTumble/Short Edge: "<</Duplex true/Tumble true>>setpagedevice"
*CloseUI: *Duplex
PPD
  lpadmin -p "$duplex_queue" -E -v "cups-pdf:/$instance" -P "$state/$duplex_queue.ppd"
  for q in "$queue" "$duplex_queue"; do
    cupsenable "$q" 2>/dev/null || true
    cupsaccept "$q" 2>/dev/null || true
  done
  echo "CUPS queues $queue and $duplex_queue ready; PDFs go to $out"
}

stop() {
  if [ "$(users_change -1)" -gt 0 ]; then
    return
  fi
  if scheduler_running; then
    lpadmin -x "$queue" 2>/dev/null || true
    lpadmin -x "$duplex_queue" 2>/dev/null || true
    lpadmin -x "$fault_queue" 2>/dev/null || true
    local default
    default=$(sed -n 's/^default //p' "$state/before" 2>/dev/null)
    if [ -n "$default" ] && ! destinations | grep -qxF "default $default"; then
      lpadmin -d "$default" || true
    fi
  fi
  rm -f "$conf"
  if [ -f "$state/cupsd.pid" ]; then
    pid=$(cat "$state/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    # Until it has saved its configuration and gone (or is left for its parent to reap).
    for _ in $(seq 1 100); do
      case "$(ps -o stat= -p "$pid" 2>/dev/null)" in "" | Z*) break ;; esac
      sleep 0.1
    done
    rm -f "$state/cupsd.pid"
  fi
}

check() {
  if [ "$(cat "$state/users" 2>/dev/null || echo 0)" -gt 0 ]; then
    echo "Another test run still uses the test spooler: checked when it stops"
    return
  fi
  [ -f "$state/before" ] || { echo "Nothing to check: the test spooler was not started"; return; }
  if ! diff -u --label before --label after "$state/before" <(destinations); then
    echo "The tests left the default printer or the queues changed" >&2
    exit 1
  fi
  rm -f "$state/before"
  echo "The default printer and the queues are as before the tests"
}

pause() {
  exec 8>"$state/lock"
  flock 8
  [ -f "$state/cupsd.pid" ] && [ "$(cat "$state/users" 2>/dev/null || echo 0)" -eq 1 ] || exit 3
  kill "$(cat "$state/cupsd.pid")"
  for _ in $(seq 1 100); do
    scheduler_running || break
    sleep 0.1
  done
}

resume() {
  scheduler_running || launch_scheduler
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  check) check ;;
  pause) pause ;;
  resume) resume ;;
  *)
    echo "usage: $0 start|stop|check|pause|resume" >&2
    exit 2
    ;;
esac
