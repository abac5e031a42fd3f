#!/usr/bin/env bash
# Builds the Debian package of ORVANE: a release build in build-package/,
# installed under /usr, packed by CPack into out/ (or $1).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
out=$(mkdir -p "${1:-$root/out}" && cd "${1:-$root/out}" && pwd)

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DORVANE_BUILD_TESTS=OFF -DORVANE_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out"
rm -rf "$out/_CPack_Packages"
deb=$(ls "$out"/orvane_*.deb)
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Architecture\|Depends\|Installed-Size\):/package: &/p'
echo "package: $deb"
