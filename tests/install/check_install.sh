#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs:
# the programs, the menu entry, the icon, the AppStream metadata and the case
# file type, each validated by its tool where that tool is on the machine.
set -euo pipefail
build_dir="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

fail=0
need() {
    if [ ! -e "$prefix/$1" ]; then
        echo "missing after install: $1"
        fail=1
    fi
}
need bin/quarvex
need bin/quarvex-cli
need share/applications/org.quarvex.Quarvex.desktop
need share/icons/hicolor/scalable/apps/org.quarvex.Quarvex.svg
need share/metainfo/org.quarvex.Quarvex.metainfo.xml
need share/mime/packages/org.quarvex.Quarvex.xml
[ $fail = 0 ] || exit 1

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.quarvex.Quarvex.desktop"
    echo "desktop-file-validate: ok"
else
    echo "desktop-file-validate not installed; skipped"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.quarvex.Quarvex.metainfo.xml"
else
    echo "appstreamcli not installed; skipped"
fi
grep -q '^GenericName=Clinical Lab Calculator$' "$prefix/share/applications/org.quarvex.Quarvex.desktop"
grep -q '^Categories=Education;Science;MedicalSoftware;$' "$prefix/share/applications/org.quarvex.Quarvex.desktop"
# The menu entry opens a case file given to it, and says it handles the type.
grep -q '^Exec=quarvex %f$' "$prefix/share/applications/org.quarvex.Quarvex.desktop"
grep -q '^MimeType=application/x-quarvex-case;$' "$prefix/share/applications/org.quarvex.Quarvex.desktop"

# The case file type: the MIME database built from the installed tree knows
# *.quarvex as application/x-quarvex-case.
if command -v update-mime-database >/dev/null; then
    update-mime-database "$prefix/share/mime"
    test -f "$prefix/share/mime/application/x-quarvex-case.xml"
    grep -q '^application/x-quarvex-case:\*\.quarvex$' "$prefix/share/mime/globs"
    echo "update-mime-database: application/x-quarvex-case for *.quarvex"
else
    echo "update-mime-database not installed; skipped"
fi

QT_QPA_PLATFORM=offscreen "$prefix/bin/quarvex-cli" --help >/dev/null
echo "installed quarvex-cli answers --help"

# The worksheet's PDF from the installed program, with no display at all.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quarvex-cli" --worksheet \
    --items tibc-calculated --versions 2 --pdf "$prefix/sheets.pdf" -o /dev/null
head -c 5 "$prefix/sheets.pdf" | grep -q '^%PDF-'
echo "installed quarvex-cli writes the worksheet's PDF without a display"
