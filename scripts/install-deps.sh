#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing; when nothing is
# missing it asks apt nothing. Usage: install-deps.sh [tests] [bench] [windows] [package]
#   (none)   the game and the engine
#   tests    also GoogleTest, Google Benchmark (the test build compiles the benchmarks too),
#            clang with its sanitizer runtime, and what windows and package need (the test run
#            builds and checks both)
#   bench    also Google Benchmark
#   windows  MinGW-w64 and zip for the Windows engines, and Wine to run them
#   package  dpkg-dev (dpkg-shlibdeps) for CPack's .deb and lintian to check it
set -euo pipefail

packages=(cmake make g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev
          fonts-noto-cjk qt6-translations-l10n)
windows=(g++-mingw-w64-x86-64-posix zip wine64)
package=(dpkg-dev file lintian)
for extra in "$@"; do
    case "$extra" in
        tests) packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
                          "${windows[@]}" "${package[@]}") ;;
        bench) packages+=(libbenchmark-dev) ;;
        windows) packages+=("${windows[@]}") ;;
        package) packages+=("${package[@]}") ;;
        *) echo "install-deps.sh: unknown group '$extra' (tests, bench, windows, package)" >&2
           exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
