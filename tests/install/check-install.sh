#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the result as a
# packager would: the layout, the data the installed program finds (through
# its DAYLOOM_CHECK_DATA self-check, from a foreign working folder), the
# desktop entry, the MIME types and AppStream metainfo (their validators and their links to
# each other), and the man page.
#
#   check-install.sh BUILD_DIR SOURCE_DIR PROJECT_VERSION
set -uo pipefail

build=$1
source=$2
version=$3

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

if ! "${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi

desktop=$prefix/share/applications/org.dayloom.Dayloom.desktop
metainfo=$prefix/share/metainfo/org.dayloom.Dayloom.metainfo.xml
icon=$prefix/share/icons/hicolor/scalable/apps/org.dayloom.Dayloom.svg
manpage=$prefix/share/man/man1/dayloom.1.gz
mimepackage=$prefix/share/mime/packages/org.dayloom.Dayloom.xml
data=$prefix/share/dayloom

# --- Layout ---------------------------------------------------------------
[ -x "$prefix/bin/dayloom" ] || fail "bin/dayloom missing or not executable"
for f in "$desktop" "$metainfo" "$icon" "$manpage" "$mimepackage"; do
    [ -s "$f" ] || fail "${f#"$prefix"/} missing or empty"
done
# The data folder is the source's res/data, byte for byte, and nothing else.
if ! diff -r "$source/res/data" "$data" >"$work/data.diff" 2>&1; then
    cat "$work/data.diff" >&2
    fail "share/dayloom differs from res/data"
fi

# --- The installed program finds its own data -------------------------------
# From / with a fresh home, so neither the working folder nor anyone's
# settings can help it.
mkdir -p "$work/home"
(
    cd / &&
        env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
            QT_QPA_PLATFORM=offscreen DAYLOOM_CHECK_DATA=1 "$prefix/bin/dayloom"
) >"$work/check.out" 2>"$work/check.err"
status=$?
[ "$status" -eq 0 ] || fail "self-check exit code $status: $(cat "$work/check.out" "$work/check.err")"
expected="face-3.bmp face-2.bmp face-1.bmp face0.bmp face1.bmp face2.bmp face3.bmp TIPS.TXT dayloom.png help/index.html"
for name in $expected; do
    line=$(grep -P "^\Q$name\E\t" "$work/check.out")
    if [ -z "$line" ]; then
        fail "self-check did not report $name"
    elif [ "${line#*$'\t'}" != "$data/$name" ]; then
        fail "$name found at '${line#*$'\t'}', not in the installed share folder"
    fi
done
[ "$(wc -l <"$work/check.out")" -eq 10 ] || fail "self-check reported extra lines: $(cat "$work/check.out")"
# The help contents links to the other pages; they must all be installed.
for page in "$source"/res/data/help/*.html; do
    [ -s "$data/help/$(basename "$page")" ] || fail "help page $(basename "$page") not installed"
done
# The program leaves no settings behind when it only checks its data.
[ ! -e "$work/home/.config/Orrinfield" ] || fail "self-check wrote settings"

# --- Desktop entry -------------------------------------------------------------
if ! out=$(desktop-file-validate --no-hints "$desktop" 2>&1) || [ -n "$out" ]; then
    fail "desktop-file-validate: $out"
fi
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line does not name the installed program"
# A file manager hands the chosen diary over as one local path.
[ "$exec_line" = "dayloom %f" ] || fail "Exec=$exec_line does not take a file"
grep -qx 'MimeType=application/x-dayloom-diary;application/x-dayloom-index;' "$desktop" ||
    fail "the desktop entry does not name both diary types"

# --- MIME types ----------------------------------------------------------------
# The installed package file builds a database; a diary is known by its name,
# and an encrypted one by its first bytes as well.
if ! out=$(XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" 2>&1) ||
    [ -n "$out" ]; then
    fail "update-mime-database: $out"
fi
grep -qxF 'application/x-dayloom-diary:*.dayloom' "$prefix/share/mime/globs" ||
    fail "no glob for *.dayloom"
grep -qxF 'application/x-dayloom-index:*.ilm' "$prefix/share/mime/globs" || fail "no glob for *.ilm"
printf '\x89DLM\r\n\x1a\n\x02\x00\x00\x00' >"$work/unnamed"
printf '\x01\x00\x00\x00\x10\x20' >"$work/index.ilm"
for pair in unnamed:application/x-dayloom-diary index.ilm:application/x-dayloom-index; do
    type=$(XDG_DATA_DIRS="$prefix/share" XDG_DATA_HOME="$work/home/.local/share" \
        gio info -a standard::content-type "$work/${pair%%:*}" 2>&1 | sed -n 's/^ *standard::content-type: //p')
    [ "$type" = "${pair#*:}" ] || fail "${pair%%:*} is taken for '$type', not ${pair#*:}"
done

icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon_name.svg" = "$(basename "$icon")" ] || fail "Icon=$icon_name has no installed icon"

# --- AppStream metainfo ------------------------------------------------------
out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1)
status=$?
if [ "$status" -ne 0 ] || grep -qE '^[EW]:' <<<"$out"; then
    fail "appstreamcli validate: $out"
fi
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
    fail "metainfo does not launch $(basename "$desktop")"
grep -q "<binary>dayloom</binary>" "$metainfo" || fail "metainfo does not provide the dayloom binary"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
for type in application/x-dayloom-diary application/x-dayloom-index; do
    grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "metainfo does not list $type"
done

# --- Man page ------------------------------------------------------------------
if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page warnings: $warnings"
fi
zgrep -q 'Embedding' "$manpage" && zgrep -q 'Automation' "$manpage" ||
    fail "man page does not describe both start-up switches"
# The command line and every kind of file the program writes.
for word in DIARY '\-\-help' '\-\-version' .dayloom .lock .draft .tmp .zip 'EXIT STATUS'; do
    zgrep -qF -- "$word" "$manpage" || fail "man page does not mention $word"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed layout, data, desktop entry, metainfo and man page are fine"
