#!/usr/bin/env bash
# Builds the 32-bit release from a clean copy of the last commit and writes
# OUT (default out/release/): the .exe, a zip holding the .exe and the user
# guide as a text file, and SHA256SUMS.  The build is reproducible: the same
# commit gives the same bytes in any folder, on any day.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
"$ORVANE_ROOT/scripts/install-deps.sh" test

out=${1:-$ORVANE_OUT/release}
commit=$(git -C "$ORVANE_ROOT" rev-parse --short HEAD)
if [ -n "$(git -C "$ORVANE_ROOT" status --porcelain --untracked-files=no)" ]; then
  echo "release: the working tree has changes; the release is built from $commit as committed"
fi
# Every file time in the zip, and anything else that asks, is the commit's.
SOURCE_DATE_EPOCH=$(git -C "$ORVANE_ROOT" log -1 --format=%ct)
export SOURCE_DATE_EPOCH

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git -C "$ORVANE_ROOT" archive --format=tar HEAD | tar -x -C "$work"
cmake -S "$work" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_TOOLCHAIN_FILE="$work/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$work/build" --target orvane >/dev/null

rm -rf "$out"
mkdir -p "$out"
cp "$work/build/$ORVANE_EXE_NAME" "$out/"
python3 "$ORVANE_ROOT/scripts/make-release-zip.py" "$out/$ORVANE_EXE_NAME" \
  "$work/docs/使用说明.md" "$out/${ORVANE_EXE_NAME%.exe}.zip"
(cd "$out" && sha256sum -- *.exe *.zip >SHA256SUMS)
echo "release of $commit in $out:"
sed 's/^/  /' "$out/SHA256SUMS"
