#!/usr/bin/env bash
# Builds the game and the engines optimised in build-package, makes the Debian package
# build-package/wuziqi_<version>_amd64.deb with CPack, and checks it without installing it. The
# programs go to /usr/games, where Debian keeps games.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DWUZIQI_BUILD_BENCH=OFF -DCMAKE_INSTALL_BINDIR=games
cmake --build build-package --parallel "$(nproc)"
(cd build-package && cpack -G DEB)
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-package/CMakeCache.txt)"
bash tests/package/check-deb.sh "build-package/wuziqi_${version}_amd64.deb" "$version"
