# Sourced by the transfer benchmarks after they have set `build`: builds the tool and the simulator,
# and makes a private installation in $work so that a benchmark neither reads nor changes the staged
# settings. Backups and traces stay in it too. Simulators started with start_simulator are stopped on
# exit, with the installation removed.
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if ! log=$(cmake --build "$build" --target moxcps-cli moxsim mox_stage_dist -j 2 2>&1); then
    echo "$log" >&2
    exit 1
fi

work=$(mktemp -d)
sim_pids=()
stop_simulators() {
    for pid in "${sim_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    sim_pids=()
}
cleanup() {
    stop_simulators
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/V200/language" "$work/language"
export XDG_DATA_HOME="$work/data"
cp "$build/stage/V200/moxcps-cli" "$work/V200/"
cp dist/language/*.ini "$work/V200/language/"
cp dist/root/Version.ini "$work/"
cp dist/root/mysetup.ini "$work/language/"
cli="$work/V200/moxcps-cli"

# Starts moxsim on the link LINK with the given options and waits until the link exists.
start_simulator() {
    local link="$1"
    shift
    "$build/stage/V200/moxsim" --link "$link" "$@" >/dev/null &
    sim_pids+=($!)
    for _ in $(seq 50); do
        [ -L "$link" ] && return 0
        sleep 0.1
    done
    echo "moxsim did not start" >&2
    exit 1
}
