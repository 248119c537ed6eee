#!/usr/bin/env bash
# Reads every text the program shows from the sources into the translation
# files (translations/dayloom_*.ts), drops the texts no source has any more,
# and prints how many entries each language still lacks.
#   tools/update-translations.sh            all languages
#   tools/update-translations.sh de         only dayloom_de.ts
# With TS_OUT_DIR set, copies of the files in that folder are updated
# instead (the test that checks the committed files are complete).
# Exits 1 when any language has unfinished entries, so a script can tell.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
    for candidate in lupdate6 /usr/lib/qt6/bin/lupdate "$(command -v lupdate || true)"; do
        if [ -n "$candidate" ] && command -v "$candidate" >/dev/null 2>&1; then
            lupdate=$candidate
            break
        fi
    done
fi
[ -n "$lupdate" ] || { echo "lupdate not found (Debian: qt6-l10n-tools)" >&2; exit 2; }

# The folders translations/CMakeLists.txt hands to the build; store/ is
# Qt-free and its messages are translated where platform/ shows them.
folders=(platform rtf ratings search widgets dialogs planning print import export stats app)

if [ $# -gt 0 ]; then
    ts=()
    for language in "$@"; do ts+=("translations/dayloom_$language.ts"); done
else
    ts=(translations/dayloom_*.ts)
fi
if [ -n "${TS_OUT_DIR:-}" ]; then
    copies=()
    for file in "${ts[@]}"; do
        cp "$file" "$TS_OUT_DIR/"
        copies+=("$TS_OUT_DIR/$(basename "$file")")
    done
    ts=("${copies[@]}")
fi

"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I "$root" "${folders[@]}" -ts "${ts[@]}"

status=0
for file in "${ts[@]}"; do
    unfinished=$(grep -c 'type="unfinished"' "$file" || true)
    echo "$(basename "$file"): $unfinished unfinished"
    [ "$unfinished" -eq 0 ] || status=1
done
exit $status
