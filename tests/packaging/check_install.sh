#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop finds there: the program,
# a valid launcher that starts it and names an icon present at every size, and AppStream data
# that describes that launcher.
#   check_install.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
cmake=$1 build=$2 id=$3

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

program=$prefix/bin/quillon
[ -f "$program" ] && [ -x "$program" ] || fail "bin/quillon is missing or not executable"
# A search path into the build folder would make the installed copy depend on it.
if readelf -d "$program" | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
    fail "bin/quillon searches the build folder for libraries"
fi

launcher=$prefix/share/applications/$id.desktop
if [ -f "$launcher" ]; then
    desktop-file-validate "$launcher" || fail "$id.desktop does not validate"
    entry() { sed -n "s/^$1=//p" "$launcher"; }
    [ "$(entry Name)" = "Vellan Price Calculator" ] || fail "launcher Name is '$(entry Name)'"
    [ "$(entry GenericName)" = "GST price calculator" ] ||
        fail "launcher GenericName is '$(entry GenericName)'"
    [ "$(entry Categories)" = "Office;Finance;" ] ||
        fail "launcher Categories are '$(entry Categories)'"
    exec_command=$(entry Exec)
    [ -x "$prefix/bin/${exec_command%% *}" ] || fail "launcher starts '$exec_command', not installed"
    [ "$(entry Icon)" = "$id" ] || fail "launcher icon '$(entry Icon)' is not '$id'"
else
    fail "share/applications/$id.desktop is missing"
fi

icons=$prefix/share/icons/hicolor
for size in 16 32 48 128; do
    icon=$icons/${size}x${size}/apps/$id.png
    if [ -f "$icon" ]; then
        kind=$(file -b "$icon")
        [[ $kind == "PNG image data, $size x $size,"* ]] || fail "$size px icon is: $kind"
    else
        fail "${size}x${size} icon is missing"
    fi
done
svg=$icons/scalable/apps/$id.svg
if [ -f "$svg" ]; then
    grep -q '<svg' "$svg" && grep -q 'viewBox=' "$svg" || fail "scalable icon is not a scalable SVG"
else
    fail "scalable icon is missing"
fi

metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    grep -qF "<id>$id</id>" "$metainfo" || fail "metainfo does not carry the id $id"
    # Checks the metainfo against the launcher installed beside it, too.
    appstreamcli validate-tree --no-net "$prefix" || fail "AppStream validation of the tree failed"
else
    fail "share/metainfo/$id.metainfo.xml is missing"
fi

((failures == 0)) || exit 1
echo "installed tree under $prefix is complete"
