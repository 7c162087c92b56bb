#!/usr/bin/env bash
# Makes the Debian package from the build and checks its control fields, its file list and its
# dependencies: the libraries dpkg-shlibdeps found and the programs and fonts used at run time.
#   check_debian_package.sh CPACK BUILD_DIR APP_ID VERSION
set -euo pipefail
cpack=$1 build=$2 id=$3 version=$4

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null

package=$out/quillon_${version}_$(dpkg --print-architecture).deb
[ -f "$package" ] || { echo "FAIL: no $(basename "$package") in: $(ls "$out")" >&2; exit 1; }

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = quillon ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Maintainer)" = "Vellan Computers <support@vellan.example.com>" ] ||
    fail "Maintainer is '$(field Maintainer)'"
[ -n "$(field Section)" ] || fail "no Section"

# Each dependency by package name, whatever version bound dpkg-shlibdeps put on it.
depends=$(field Depends)
names=" $(sed -E 's/ *\([^)]*\)//g; s/,/ /g' <<<"$depends") "
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
              xdg-utils fonts-liberation; do
    [[ $names == *" $needed "* ]] || fail "Depends lacks $needed: $depends"
done

expected=$(sort <<EOF_FILES
./usr/bin/quillon
./usr/share/applications/$id.desktop
./usr/share/doc/quillon/changelog.gz
./usr/share/doc/quillon/copyright
./usr/share/icons/hicolor/128x128/apps/$id.png
./usr/share/icons/hicolor/16x16/apps/$id.png
./usr/share/icons/hicolor/32x32/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/man1/quillon.1.gz
./usr/share/metainfo/$id.metainfo.xml
EOF_FILES
)
listing=$(dpkg-deb -c "$package")
files=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)
if [ "$files" != "$expected" ]; then
    fail "file list differs from the expected one:"
    diff <(echo "$expected") <(echo "$files") >&2 || true
fi
# Everything root's, the program executable, the data files readable by all and nothing more.
awk '$1 !~ /^d/ {
        wanted = $6 == "./usr/bin/quillon" ? "-rwxr-xr-x" : "-rw-r--r--"
        if ($2 != "root/root" || $1 != wanted) { print $1, $2, $6; bad = 1 }
    }
    END { exit bad }' <<<"$listing" >&2 || fail "files with the wrong owner or mode (above)"

dpkg-deb -x "$package" "$out/root"
[[ $(file -b "$out/root/usr/bin/quillon") == *", stripped"* ]] || fail "the program is not stripped"

((failures == 0)) || exit 1
echo "$(basename "$package"): Depends: $depends"
