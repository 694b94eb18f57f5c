#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real-window test while other X servers hold display numbers around it: one of this
# namespace and one in a PID namespace of its own that shares /tmp, whose lock names a process
# id that has ended here (so that it looks stale to servers here) and which ends while the
# window test runs. The window test must pass, and the server it shares the machine with must go
# on unharmed until it ends.
#
# All of it happens in a world of its own (mount and network namespaces, a /tmp of its own), so
# that these servers cannot take display numbers or sockets from the suite's other window tests.
# That needs root; elsewhere the test is skipped (status 77).
#
# Usage: busy-display-test.sh PROGRAM WINDOW_PROBE SCREENSHOT
# WINDOW_TEST names another window-test script to run in that world (default: the one beside
# this script).
set -euo pipefail

if [ -z "${BRINDLECAST_BUSY_WORLD:-}" ]; then
  if [ "$(id -u)" -ne 0 ] || ! unshare --mount --net --pid --fork true 2>/dev/null; then
    echo "SKIP: a world of other X servers apart from the rest of the machine needs root"
    exit 77
  fi
  export BRINDLECAST_BUSY_WORLD=1
  exec unshare --mount --net --propagation private -- "$0" "$@"
fi
mount -t tmpfs -o mode=1777,size=64m tmpfs /tmp
mkdir -m 1777 /tmp/.X11-unix
unset TMPDIR

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/brindlecast-busy-display.XXXXXX")
local_pid=""
foreign_pid=""
cleanup() {
  for pid in $local_pid $foreign_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Waits, bounded, for a file to hold a display number.
await_display() {
  local file=$1 pid=$2 deadline=$((SECONDS + 20))
  until [ -s "$file" ]; do
    kill -0 "$pid" 2>/dev/null || fail "an X server of the test ended at once"
    [ "$SECONDS" -lt "$deadline" ] || fail "an X server of the test did not start"
    sleep 0.1
  done
}

Xvfb -displayfd 3 -nolisten tcp 3>"$work/local" >"$work/local.log" 2>&1 &
local_pid=$!
await_display "$work/local" "$local_pid"
local_display=":$(head -n 1 "$work/local")"

# An id free here for the server to get in its namespace, with room for the shell's own.
target=300
while :; do
  free=1
  for id in $(seq "$target" $((target + 20))); do
    if [ -e "/proc/$id" ]; then
      free=0
      target=$((id + 1))
      break
    fi
  done
  [ "$free" -eq 0 ] || break
done
# Ends by itself once its input closes, which the test does halfway through the window test.
mkfifo "$work/foreign-input"
unshare --pid --fork sh -c '
  while [ "$(sh -c "echo \$\$")" -lt "$1" ]; do :; done
  Xvfb -displayfd 3 -nolisten tcp 3>"$2" &
  read -r line
  kill $!
  wait' sh "$target" "$work/foreign" <"$work/foreign-input" >"$work/foreign.log" 2>&1 &
foreign_pid=$!
exec 8>"$work/foreign-input"
await_display "$work/foreign" "$foreign_pid"
echo "another X server on :$(head -n 1 "$work/foreign") in a PID namespace of its own"
echo "another X server on $local_display"

# The foreign server ends at some point of the window test, whichever: each must do.
"${WINDOW_TEST:-$here/window-test.sh}" "$@" &
window_test=$!
exec 8>&- 2>/dev/null || true
wait "$window_test" || fail "the window test failed beside other X servers"

kill -0 "$local_pid" 2>/dev/null || fail "the other X server on $local_display ended"
DISPLAY=$local_display xdpyinfo >/dev/null 2>&1 ||
  fail "the other X server on $local_display no longer answers"
echo "the window test passed beside other X servers, which went on unharmed"
