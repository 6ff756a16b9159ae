#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed program as a user meets it:
# every file in its place, the desktop entry and AppStream data valid, the data-file type recognised,
# and the programs started from the prefix finding their files, with the settings in a fresh user's
# configuration folder and nothing written into the installed tree.
# Usage: CheckInstalledTree.sh BUILD_FOLDER
set -euo pipefail
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/usr"
id=org.moxcps.moxcps

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# Every delivered file in its place.
files=(bin/moxcps bin/moxcps-cli bin/moxsim
       share/moxcps/Version.ini share/moxcps/language/mysetup.ini
       share/moxcps/V200/language/english.ini share/moxcps/V200/language/chinese.ini
       share/moxcps/V200/Init/RB516_0.dat share/moxcps/V200/Init/RB516G_0.dat
       share/moxcps/V200/StartE.jpg share/moxcps/V200/StartC@2x.jpg
       share/moxcps/V200/PIC/BK_1.jpg share/moxcps/V200/PIC/BK_2@2x.jpg
       share/moxcps/V200/PIC/icons/App.png share/moxcps/V200/PIC/icons/ReadRadio@2x.png
       "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
       "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg"
       share/man/man1/moxcps.1.gz share/man/man1/moxcps-cli.1.gz share/man/man1/moxsim.1.gz
       share/bash-completion/completions/moxcps-cli share/bash-completion/completions/moxsim)
for f in "${files[@]}"; do
    [ -s "$prefix/$f" ] || fail "the installed tree lacks $f"
done
for f in bin/moxcps bin/moxcps-cli bin/moxsim; do
    [ -x "$prefix/$f" ] || fail "$f is not executable"
done
[ "$(readlink -f "$prefix/lib/moxcps/V200/moxcps")" = "$(readlink -f "$prefix/bin/moxcps")" ] ||
    fail "lib/moxcps/V200/moxcps does not start bin/moxcps"

# The program icon at each size of the icon theme: a PNG of that width and height.
for size in 16 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -s "$png" ] || fail "no $size px icon"
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png")
    [ $(((w0 << 24) + (w1 << 16) + (w2 << 8) + w3)) -eq "$size" ] &&
        [ $(((h0 << 24) + (h1 << 16) + (h2 << 8) + h3)) -eq "$size" ] || fail "the $size px icon has another size"
done
grep -q "<svg" "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "AppStream data: $(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml")"
for page in moxcps moxcps-cli moxsim; do
    gzip -dc "$prefix/share/man/man1/$page.1.gz" | grep -q '^\.TH' || fail "manual page $page"
done
for completion in moxcps-cli moxsim; do
    bash -n "$prefix/share/bash-completion/completions/$completion" || fail "completion $completion"
done

# A fresh user: settings in ~/.config/moxcps, nothing written below the prefix.
export HOME="$work/home" LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DATA_DIRS
mkdir -p "$HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
config="$HOME/.config/moxcps"
touch "$work/installed"
sleep 1

"$prefix/bin/moxcps-cli" new --model RB516 --band 0 "$work/x.dat" || fail "moxcps-cli new"
[ "$(stat -c %s "$work/x.dat")" -eq 8597 ] || fail "moxcps-cli new wrote no 8597-byte data file"
"$prefix/bin/moxcps-cli" show --json "$work/x.dat" | grep -q '"ModelCode": "RB516"' || fail "moxcps-cli show"
grep -q IsFirstRun "$config/language/mysetup.ini" || fail "the shipped mysetup.ini was not seeded"

# The data-file type: a data file the program wrote is recognised by its content.
update-mime-database "$prefix/share/mime" 2>/dev/null
cp "$work/x.dat" "$work/radio.bin"
type=$(XDG_DATA_DIRS="$prefix/share:/usr/share" gio info -a standard::content-type "$work/radio.bin" |
    sed -n 's/.*standard::content-type: //p')
[ "$type" = application/x-moxcps-data ] || fail "a data file reads as $type"
touch "$work/installed"
sleep 1

# The desktop program opens the data file it is given, shows it and closes (after the port search
# of a first start, which a user has passed once).
sed -i 's/^IsFirstRun=.*/IsFirstRun=0/' "$config/language/mysetup.ini"
caption=$(MOXCPS_QUIT_WHEN_SHOWN=1 timeout 60 "$prefix/bin/moxcps" "$work/x.dat") || fail "moxcps did not start and end"
[ "$caption" = "MOX-5HK CPS[MOX-5HK:400 - 480 MHz][File:x.dat]" ] || fail "moxcps showed '$caption'"
for f in Setting.ini Habit.ini BatchFun.ini; do
    [ -e "$config/V200/$f" ] || fail "moxcps wrote no $f into the user's folder"
done

written=$(find "$prefix" -newer "$work/installed")
[ -z "$written" ] || fail "the programs wrote into the installed tree: $written"
echo "The installed tree is complete and the programs run from it"
