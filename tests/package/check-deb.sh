#!/usr/bin/env bash
# Checks a Debian package made by `cpack -G DEB` without installing it: its control fields and
# dependencies, the files it holds, that its engines answer from the unpacked tree, that apt
# could install it here, and lintian's verdict (errors fail; warnings are shown).
#   check-deb.sh wuziqi_<version>_amd64.deb VERSION
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 PACKAGE.deb VERSION" >&2; exit 2; }
deb="$(realpath "$1")"
version="$2"
work="$(mktemp -d "${TMPDIR:-/tmp}/wuziqi-deb.XXXXXX")"
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
check() {
    local what="$1"
    shift
    if "$@" > "$work/out" 2>&1; then
        passed=$((passed + 1))
    else
        echo "FAIL $what"
        sed 's/^/    /' "$work/out"
        failed=$((failed + 1))
    fi
}
field() { dpkg-deb --field "$deb" "$1"; }

check "the file name is wuziqi_${version}_amd64.deb" \
    test "$(basename "$deb")" = "wuziqi_${version}_amd64.deb"
check "Package, Version, Architecture" \
    test "$(field Package) $(field Version) $(field Architecture)" = "wuziqi $version amd64"
# dpkg-shlibdeps' libraries, and the font named by hand.
field Depends | tr ',' '\n' | awk '{print $1}' > "$work/depends"
for dependency in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-noto-cjk; do
    check "Depends names $dependency" grep -qxF "$dependency" "$work/depends"
done

dpkg-deb --contents "$deb" | awk '{print $6}' > "$work/contents"
# Debian keeps games in /usr/games.
for file in usr/games/wuziqi usr/games/pbrain-wuziqi usr/games/pbrain-wuziqi-master \
            usr/share/applications/wuziqi.desktop \
            usr/share/icons/hicolor/{32x32,64x64,128x128,256x256}/apps/wuziqi.png \
            usr/share/man/man6/{wuziqi,pbrain-wuziqi,pbrain-wuziqi-master}.6.gz \
            usr/share/doc/wuziqi/copyright usr/share/doc/wuziqi/changelog.gz; do
    check "holds /$file" grep -qx "./$file" "$work/contents"
done

dpkg-deb --extract "$deb" "$work/root"
check "the copyright file holds the licence" \
    grep -q "Permission is hereby granted" "$work/root/usr/share/doc/wuziqi/copyright"
check "the changelog's latest entry is this version (add one when the version changes)" \
    grep -q "^wuziqi ($version) " <(zcat "$work/root/usr/share/doc/wuziqi/changelog.gz")
for engine in pbrain-wuziqi pbrain-wuziqi-master; do
    check "the packaged $engine answers ABOUT with version $version" \
        grep -q "version=\"$version\"" <(printf 'ABOUT\nEND\n' | "$work/root/usr/games/$engine")
done

# Every dependency can be met from what is installed or what apt knows of.
check "apt could install it" apt-get install --simulate --quiet "$deb"

if command -v lintian > /dev/null; then
    lintian --allow-root --tag-display-limit 0 "$deb" > "$work/lintian" 2>&1 || true
    sed 's/^/lintian: /' "$work/lintian"
    check "lintian reports no errors" test "$(grep -c '^E:' "$work/lintian")" -eq 0
else
    echo "lintian is not installed: not run"
fi

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
