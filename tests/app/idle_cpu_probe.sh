#!/bin/sh
# idle_cpu_probe.sh GAME: run inside an X server without a window manager (xvfb-run). Starts the
# game, gives it two seconds with the focus, then gives the focus to another client for five
# seconds (the only way to take it away there), and prints the processor time the game used in
# each part, in clock ticks of the process's /proc/PID/stat, and the game's exit code after a
# termination signal.
game=$1
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

"$game" &
pid=$!
sleep 1
start=$(ticks $pid)
sleep 2
focused=$(($(ticks $pid) - start))

xmessage -timeout 30 "elsewhere" &
other=$!
xdotool search --sync --name xmessage windowfocus >/dev/null 2>&1
sleep 1
start=$(ticks $pid)
sleep 5
unfocused=$(($(ticks $pid) - start))

kill -TERM $pid
wait $pid
code=$?
kill $other 2>/dev/null
echo "focused_ticks=$focused unfocused_ticks=$unfocused hz=$(getconf CLK_TCK) exit=$code"
