#!/usr/bin/env bash
# Screenshots of the program under a virtual X server, against the radio simulator: the splash
# picture, the main window, the channel list (a full group and an edit in progress), each dialog, the
# first-run window, the questions and the progress window of a read, in English and Chinese, at 100%
# and 200% scaling. They go to shots/ (not kept in git).
#
# Usage: scripts/screenshots.sh [BUILD_FOLDER]      (default: build)
#        SKIP_BUILD=1 scripts/screenshots.sh FOLDER  (a folder already built with moxcps and moxsim)
# Needs xvfb-run, ImageMagick's import, xdotool and the openbox window manager (for title bars and
# focus); installs them with apt-get when run as root.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

if [ "${1:-}" = "--inside" ]; then
    # Runs inside the virtual X server: drives one session of the program by keyboard.
    shift
    work="$1" name="$2" firstrun="$3"
    shot() {
        sleep "${2:-1}"
        import -window root png:- | convert - -trim +repage "$root/shots/$name-$1.png"
    }
    keys() {
        xdotool key --delay 150 "$@"
    }
    # Brings the main window to the front before its menus are used.
    focus_main() {
        local id
        id=$(xdotool search --onlyvisible --name "\\[.*:.*\\]" | head -1)
        [ -n "$id" ] && xdotool windowactivate --sync "$id" 2>/dev/null || true
        sleep 0.3
    }
    openbox >/dev/null 2>&1 &
    sleep 1
    "$work/V200/moxcps" &
    program=$!
    if [ "$firstrun" = 1 ]; then
        shot first-run 2
        keys Escape
        wait "$program" || true
        exit 0
    fi
    shot splash 1
    shot main 3
    # The channel list, typed in by keyboard as a user would: a receive frequency in every row of the
    # first group, a tone in every other row, then an edit in progress.
    focus_main
    for row in $(seq 1 16); do
        xdotool type --delay 20 "$(printf '4%02d.%05d' $((30 + row)) $((row * 625)))"
        keys Return Return
        [ $((row % 2)) = 1 ] && keys Down
        keys Return Return Return Return Return Return
    done
    shot channel-list
    xdotool type --delay 20 "43"
    shot channel-edit
    xdotool type --delay 20 "1.00625"
    keys Return
    for dialog in "m i model" "s p port" "s l language" "p p password" "h a about"; do
        set -- $dialog
        focus_main
        keys "alt+$1" "$2"
        shot "$3"
        keys Escape
    done
    focus_main
    keys alt+e i
    shot radio-information 4
    focus_main
    keys ctrl+r; shot read-question; keys Return
    shot progress 2
    shot read-done 6
    keys Return
    shot after-read 2
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    exit 0
fi

build="${1:-build}"
missing=()
for tool in xvfb-run import xdotool openbox; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing: ${missing[*]} (packages xvfb, imagemagick, xdotool, openbox)." >&2
        exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth imagemagick xdotool \
        openbox
fi

if [ -z "${SKIP_BUILD:-}" ]; then
    scripts/build.sh "$build" -DMOX_TESTS=OFF
fi
mkdir -p shots

work=$(mktemp -d)
sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cp -r "$build/stage/." "$work/"
"$work/V200/moxsim" --link "$work/radio" --baud >/dev/null &
sim_pid=$!
for _ in $(seq 50); do
    [ -L "$work/radio" ] && break
    sleep 0.1
done

setup="$work/language/mysetup.ini"
for language in 1 2; do
    for scale in 1 2; do
        for firstrun in 0 1; do
            cat >"$setup" <<EOF
[language]
IsFirstRun=$firstrun
comPort=1
Handshaking=0
StopBit=1
CurrentLanguage=$language
[ports]
COM1=$work/radio
EOF
            name="lang$language-scale$scale"
            # A first run takes its language from the locale.
            locale=en_US.UTF-8
            [ "$language" = 2 ] && locale=zh_CN.UTF-8
            HOME="$work/home" QT_SCALE_FACTOR="$scale" LANG="$locale" \
                xvfb-run -a -s "-screen 0 $((1100 * scale))x$((800 * scale))x24" \
                "$root/scripts/screenshots.sh" --inside "$work" "$name" "$firstrun"
        done
    done
done
echo "Screenshots in $root/shots:"
ls shots
