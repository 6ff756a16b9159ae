#!/usr/bin/env bash
# Installs what is missing, builds and stages the runnable tree, then starts the program with a
# simulated radio: moxsim serves a pseudo-terminal linked at build/stage/radio, which is mapped as one
# of the program's ports (mysetup.ini, section ports) and chosen as the current port. What the
# program writes to the radio is kept in build/stage/radio.img and served again on the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DMOX_TESTS=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "There is no display to show the program on. Run it under a virtual X server:"
    echo "    xvfb-run -a scripts/run.sh"
    exit 1
fi

stage="$PWD/build/stage"
program="$stage/V200"
link="$stage/radio"
image="$stage/radio.img"
setup="$stage/language/mysetup.ini"

# Sets one key of an INI file, keeping the rest of the file; section and key names without regard to
# case, as the program reads them.
ini_set() {
    local file="$1" section="$2" key="$3" value="$4"
    touch "$file"
    awk -v section="$section" -v key="$key" -v value="$value" '
        function flush() { if (insection && !done) { print key "=" value; done = 1 } }
        /^[ \t]*\[/ {
            flush()
            name = $0; gsub(/^[ \t]*\[|\][ \t\r]*$/, "", name)
            insection = (tolower(name) == tolower(section))
            print; next
        }
        insection && !done {
            k = $0; sub(/=.*/, "", k); gsub(/^[ \t]+|[ \t]+$/, "", k)
            if (tolower(k) == tolower(key)) { print key "=" value; done = 1; next }
        }
        { print }
        END {
            flush()
            if (!done) { print "[" section "]"; print key "=" value }
        }' "$file" >"$file.tmp"
    mv "$file.tmp" "$file"
}

# The number the link already has in the port map, else the lowest free one.
port_number_for() {
    local file="$1" path="$2"
    awk -v path="$path" '
        /^[ \t]*\[/ { name = $0; gsub(/^[ \t]*\[|\][ \t\r]*$/, "", name); inports = (tolower(name) == "ports"); next }
        inports && index($0, "=") {
            k = $0; sub(/=.*/, "", k); gsub(/^[ \t]+|[ \t]+$/, "", k)
            v = $0; sub(/^[^=]*=/, "", v); gsub(/^[ \t]+|[ \t\r]+$/, "", v)
            if (tolower(substr(k, 1, 3)) == "com") {
                n = substr(k, 4) + 0; used[n] = 1
                if (v == path) found = n
            }
        }
        END {
            if (found) { print found; exit }
            for (n = 1; n <= 255; n++) if (!used[n]) { print n; exit }
        }' "$file"
}

sim_args=(--link "$link" --save "$image")
if [ -f "$image" ]; then
    sim_args+=(--image "$image")
fi
"$program/moxsim" "${sim_args[@]}" >/dev/null &
sim_pid=$!
trap 'kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true' EXIT

for _ in $(seq 50); do
    [ -L "$link" ] && break
    sleep 0.1
done
if [ ! -L "$link" ]; then
    echo "The radio simulator did not start." >&2
    exit 1
fi

number=$(port_number_for "$setup" "$link")
ini_set "$setup" ports "COM$number" "$link"
ini_set "$setup" language comPort "$number"
echo "Simulated radio on COM$number ($link)."

"$program/moxcps" "$@"
