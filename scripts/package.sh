#!/usr/bin/env bash
# Builds the Debian package of moxcps with CPack: build-package/moxcps_<version>_<arch>.deb. Install
# it with `sudo apt install ./build-package/moxcps_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build-package -DMOX_TESTS=OFF -DMOX_SANITIZE=OFF
rm -f build-package/moxcps_*.deb
(cd build-package && cpack -G DEB)
ls build-package/moxcps_*.deb
