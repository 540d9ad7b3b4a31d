#!/usr/bin/env bash
# The trainer's sounds through a real sound server: PulseAudio in user mode with a null
# sink, its monitor recorded with parec. Feedback sounds play once and as long as their
# resource; the mechanism loop plays on and stops when asked. Exit 77 (skipped) when the
# server cannot start.
set -u
probe="$1"
for tool in pulseaudio parec pactl; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work="$(mktemp -d)"
server=""
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
export HOME="$work" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config"
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
socket="$XDG_RUNTIME_DIR/cinemoto-pulse"
export PULSE_SERVER="unix:$socket"
rate=44100

pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
    -L "module-native-protocol-unix socket=$socket auth-anonymous=1" \
    -L "module-null-sink sink_name=cinemoto_null rate=$rate" \
    2>"$work/server.log" &
server=$!
for _ in $(seq 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
if ! pactl info >/dev/null 2>&1; then
    echo "SKIP: the sound server did not start"
    tail -5 "$work/server.log"
    exit 77
fi
pactl set-default-sink cinemoto_null

status=0
# record <name> <resource> <loop> <play ms> <after ms> <expected ms, -1 for the resource's> <silent ms at the end>
record() {
    local raw="$work/$1.raw"
    parec -d cinemoto_null.monitor --latency-msec=10 --format=s16le --rate=$rate --channels=1 --raw >"$raw" &
    local rec=$!
    # The recorder takes a while to connect: play only once its data flows.
    for _ in $(seq 100); do
        [ -s "$raw" ] && break
        sleep 0.05
    done
    sleep 0.2
    "$probe" play "$2" "$3" "$4" "$5" || { echo "FAIL: $1 was not played"; status=1; }
    sleep 0.2; kill -INT "$rec"; wait "$rec" 2>/dev/null
    echo -n "$1: "
    "$probe" check "$raw" $rate "$2" "$6" "$7" || status=1
}

# Feedback sounds: once, the whole resource, then silence.
record good-answer :/sounds/1621.wav 0 1500 300 -1 400
record slow-answer :/sounds/1622.wav 0 1500 300 -1 400
# The loop of the spur gears (1.6 s) asked to stop after 4 s: it plays on past its end
# and falls silent when stopped.
record spur-gears-loop :/sounds/1601.wav 1 4000 800 4000 500
exit $status
