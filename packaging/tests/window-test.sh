#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on a private X server and checks its real window as a user meets it: the
# title, the 536 x 528 client area it opens at and may grow from, the icon and the hand pointer
# read from the program's folder, the settings written on first start. It makes the window
# larger; converts a folder of two long recordings, watching the title count and the button read
# "Stop Converting", until the closing box offers "Open Folder"; and opens the window at a scale
# factor of 2 on a screen 1024 pixels high, where it must fit. Each time it closes the window as
# a window manager does and expects the process to end with status 0. A screenshot of each
# stage goes beside SCREENSHOT (NAME.png, NAME-resized.png, NAME-running.png, NAME-done.png,
# NAME-scale2.png), and one of the window in each language (NAME-de.png, ...).
#
# Usage: window-test.sh PROGRAM WINDOW_PROBE SCREENSHOT
# Every wait is bounded; the X server and the program are ended on any exit.
#
# Other X servers may start and stop on the machine meanwhile, some in other namespaces that
# share /tmp, where a lock of theirs can look stale to ours and a socket path of ours can be
# removed by theirs. Where it may (root), the test therefore runs in a network namespace of its
# own (its own abstract sockets) with a folder of X sockets of its own; everywhere the server
# picks its number itself, and a server that does not answer on it is replaced by another.
set -euo pipefail

if [ -z "${BRINDLECAST_PRIVATE_X:-}" ] && [ "$(id -u)" -eq 0 ] &&
  unshare --mount --net true 2>/dev/null; then
  mkdir -p /tmp/.X11-unix
  chmod 1777 /tmp/.X11-unix
  export BRINDLECAST_PRIVATE_X=1
  exec unshare --mount --net --propagation private -- "$0" "$@"
fi
if [ -n "${BRINDLECAST_PRIVATE_X:-}" ]; then
  mount -t tmpfs -o mode=1777,size=1m tmpfs /tmp/.X11-unix
fi

program=$1
probe=$2
screenshot=$3
wait_limit=20 # seconds, for each thing awaited

fail() {
  echo "FAIL: $*" >&2
  for log in "${work:-}"/program.log "${work:-}"/xvfb.log; do
    if [ -s "$log" ]; then
      echo "--- $log" >&2
      tail -n 20 "$log" >&2
    fi
  done
  exit 1
}

for tool in Xvfb xdpyinfo xdotool xwininfo xprop import identify ffmpeg; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done
[ -x "$program" ] || fail "no program at $program"

work=$(mktemp -d "${TMPDIR:-/tmp}/brindlecast-window.XXXXXX")
xvfb_pid=""
app_pid=""
cleanup() {
  if [ -n "$app_pid" ]; then kill -9 "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Runs a condition again and again until it holds or the limit has passed.
wait_until() {
  local what=$1
  shift
  local deadline=$((SECONDS + wait_limit))
  until "$@"; do
    if [ -n "$app_pid" ] && ! kill -0 "$app_pid" 2>/dev/null; then
      fail "the program ended while waiting for $what"
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "no $what within $wait_limit s"
    sleep 0.1
  done
}

# The X server picks a free display number itself and reports it once it accepts clients. A
# server that lost its number to another one (it ended, or does not answer there) is replaced.
# It never resets: a reset when its last client (the check below) leaves refuses a client that
# connects in that moment, which is how the program once found no display.
start_x_server() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local deadline=$((SECONDS + wait_limit))
  until [ -s "$work/display" ]; do
    kill -0 "$xvfb_pid" 2>/dev/null || return 1
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
  DISPLAY=":$(head -n 1 "$work/display")"
  export DISPLAY
  xdpyinfo >/dev/null 2>&1 && kill -0 "$xvfb_pid" 2>/dev/null
}
for attempt in 1 2 3 4 5; do
  start_x_server && break
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
  [ "$attempt" -lt 5 ] || fail "no X server answered on the display it chose, in 5 attempts"
done

# A home of its own: real settings, desktop and session bus are never touched.
mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache" "$work/runtime" "$work/tmp"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime" TEMP="$work/tmp"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus"
export QT_QPA_PLATFORM=xcb
# The checks read the English texts, whatever the machine's locale; the last stage goes through
# the other languages.
export LANGUAGE=en
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI SESSION_MANAGER

shots=${screenshot%.png}
mkdir -p "$(dirname "$screenshot")"

# Starts the program with the given arguments, its output in program.log.
start_program() {
  "$program" "$@" >>"$work/program.log" 2>&1 &
  app_pid=$!
}

window=""
find_window() {
  window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
wait_for_window() { wait_until "mapped window titled \"$1\"" find_window "$1"; }

# Client size "WIDTHxHEIGHT" and absolute top of a window.
client_size() {
  local info
  info=$(xwininfo -id "$1")
  echo "$(sed -n 's/^ *Width: *//p' <<<"$info")x$(sed -n 's/^ *Height: *//p' <<<"$info")"
}
client_top() { xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left Y: *//p'; }

# The first frames may come before a window is painted; a painted one has many colours.
painted() {
  import -window "$1" "$work/shot.png" 2>/dev/null &&
    [ "$(identify -format '%k' "$work/shot.png")" -gt 16 ]
}
# Saves a screenshot of a window, or of the whole screen for "root".
save_shot() {
  wait_until "painted window" painted "$1"
  cp "$work/shot.png" "$2"
}

close_program() {
  "$probe" close "$window" || fail "could not ask the window to close"
  exited() { ! kill -0 "$app_pid" 2>/dev/null; }
  wait_until "end of the program after closing its window" exited
  local status=0
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# 1. As a user first meets it.
start_program
wait_for_window '^Brindlecast Studio$'
size=$(client_size "$window")
[ "$size" = "536x528" ] || fail "client area is $size, not 536x528"
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q 'minimum size: 536 by 528' <<<"$hints" || fail "the window can be made smaller: $hints"
if grep -q 'maximum size' <<<"$hints"; then
  fail "the window cannot be made larger: $hints"
fi

# The icon comes from brindlecast.xpm in the program's folder: set only when that file was found.
icon=$(xprop -id "$window" -notype -len 16 -f _NET_WM_ICON 32c _NET_WM_ICON)
grep -q '= 32, 32' <<<"$icon" || fail "no 32 x 32 window icon: $icon"

# Over "Start Converting" the pointer turns into the hand read from HAND-M.CUR (32 x 32, hot
# spot at the fingertip), which a missing or unreadable file would leave as the arrow.
hand_pointer() { [ "$("$probe" cursor)" = "32x32+5+0" ]; }
xdotool mousemove --window "$window" 268 473
wait_until "hand pointer over \"Start Converting\"" hand_pointer

settings="$XDG_CONFIG_HOME/Program Settings/Quenbrook.conf"
grep -q '^kbps=128 kbps$' "$settings" 2>/dev/null || fail "first start stored no settings in $settings"
save_shot "$window" "$screenshot"

# 2. Larger, as a user drags its corner.
xdotool windowsize "$window" 900 700
resized() { [ "$(client_size "$window")" = "900x700" ]; }
wait_until "window of 900 x 700" resized
save_shot "$window" "$shots-resized.png"
close_program

# 3. A run over a folder of two recordings long enough to watch; with no desktop or music
# folder the results go to the home folder.
music="$work/music/Album With A Long Name, Recorded Live At A Place With An Even Longer Name"
mkdir -p "$music"
for track in "01 - The First Song" "02 - The Second Song"; do
  ffmpeg -loglevel error -f lavfi -i "sine=frequency=440:sample_rate=8000:duration=240" \
    -ac 1 -c:a pcm_s16le "$music/$track.wav" || fail "ffmpeg could not make $track.wav"
done
start_program "$work/music"
wait_for_window '^Brindlecast Studio$'
xdotool mousemove --window "$window" 268 473 click 1
wait_for_window '^[0-9]+ of 2 files.* - Brindlecast Studio$'
save_shot "$window" "$shots-running.png"
box=""
find_box() {
  box=$(xdotool search --onlyvisible --name '^Brindlecast$' 2>/dev/null | head -n 1)
  [ -n "$box" ]
}
wait_until "closing box titled \"Brindlecast\"" find_box
save_shot root "$shots-done.png"
for track in "01 - The First Song" "02 - The Second Song"; do
  [ -s "$HOME/$track.aac" ] || fail "the run wrote no $HOME/$track.aac"
done
"$probe" close "$box" || fail "could not ask the closing box to close"
box_closed() { ! xdotool search --onlyvisible --name '^Brindlecast$' >/dev/null 2>&1; }
wait_until "closing box to close" box_closed
plain_title() { xdotool search --onlyvisible --name '^Brindlecast Studio$' >/dev/null 2>&1; }
wait_until "title \"Brindlecast Studio\" after the run" plain_title
close_program

# 4. At a scale factor of 2 the opening size (1072 x 1056) is more than the screen's 1024
# pixels: the window opens at the screen's size instead, wholly on the screen.
QT_SCALE_FACTOR=2 start_program
wait_for_window '^Brindlecast Studio$'
size=$(client_size "$window")
top=$(client_top "$window")
height=${size#*x}
[ "$top" -ge 0 ] && [ $((top + height)) -le 1024 ] ||
  fail "at scale factor 2 the window ($size at top $top) does not fit a 1024-pixel-high screen"
save_shot "$window" "$shots-scale2.png"
close_program

# 5. In each language of the program's catalogues, to be looked at: nothing clipped, nothing
# overlapping.
for language in de fr es it pt_BR pl; do
  LANGUAGE=$language LANG=$language.UTF-8 start_program
  wait_for_window '^Brindlecast Studio$'
  save_shot "$window" "$shots-$language.png"
  close_program
done

echo "window of $program: 536x528, larger on request, icon and hand pointer found, a run" \
  "converted two files, fits at scale factor 2 ($size); screenshots in $(dirname "$screenshot")"
