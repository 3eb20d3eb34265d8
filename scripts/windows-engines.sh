#!/usr/bin/env bash
# Cross-compiles the two engines for 64-bit Windows with MinGW-w64 (static, no DLLs needed)
# and packs them for tournaments into build-windows/wuziqi-engines-<version>-win64.zip. Also
# builds platform_read_file_check.exe, the Windows build's check of the window's file reading.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows

cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
      -DCMAKE_BUILD_TYPE=Release -DWUZIQI_BUILD_GUI=OFF -DBUILD_TESTING=OFF -DWUZIQI_WERROR=ON
cmake --build build-windows --parallel "$(nproc)" --target pbrain-wuziqi pbrain-wuziqi-master \
      platform_read_file_check

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)"
staging="build-windows/zip"
zip_file="build-windows/wuziqi-engines-${version}-win64.zip"
rm -rf "$staging" "$zip_file"
mkdir -p "$staging"
for engine in pbrain-wuziqi pbrain-wuziqi-master; do
    x86_64-w64-mingw32-strip -o "$staging/$engine.exe" "build-windows/bin/$engine.exe"
    # Linked statically: a tournament machine has none of MinGW's own DLLs.
    if x86_64-w64-mingw32-objdump -p "$staging/$engine.exe" |
        grep -iE "DLL Name: (libstdc|libgcc|libwinpthread)"; then
        echo "windows-engines.sh: $engine.exe needs the MinGW DLLs above" >&2
        exit 1
    fi
done
# Windows' own editors expect CR LF.
sed 's/$/\r/' packaging/windows/README.txt > "$staging/README.txt"
# -X leaves out Unix owners and extra times, which Windows has no use for.
(cd "$staging" && zip -q -X -j "../$(basename "$zip_file")" pbrain-wuziqi.exe \
                                                   pbrain-wuziqi-master.exe README.txt)
ls -l "$staging" "$zip_file"
