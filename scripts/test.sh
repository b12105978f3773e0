#!/usr/bin/env bash
# Installs what is missing, builds everything, runs the unit tests natively
# and the end-to-end tests under Wine on a virtual display of its own.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

"$ORVANE_ROOT/scripts/install-deps.sh" test

echo "== unit tests (native)"
cmake -S "$ORVANE_ROOT" -B "$ORVANE_OUT/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$ORVANE_OUT/native"
ctest --test-dir "$ORVANE_OUT/native" --output-on-failure -j "$(nproc)"

echo "== unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$ORVANE_ROOT" -B "$ORVANE_OUT/native-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DORVANE_SANITIZE=ON >/dev/null
cmake --build "$ORVANE_OUT/native-sanitize"
ctest --test-dir "$ORVANE_OUT/native-sanitize" --output-on-failure -j "$(nproc)"

echo "== the settings reader under libFuzzer (${ORVANE_FUZZ_SECONDS:=30} s)"
CXX=clang++ cmake -S "$ORVANE_ROOT" -B "$ORVANE_OUT/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORVANE_FUZZ=ON >/dev/null
cmake --build "$ORVANE_OUT/fuzz" --target config_fuzz
mkdir -p "$ORVANE_OUT/fuzz/corpus"
fuzz_log="$ORVANE_OUT/fuzz/last-run.log"
# A failing input goes to out/fuzz (libFuzzer's own default is the folder the
# command was started from).
if ! "$ORVANE_OUT/fuzz/config_fuzz" -max_total_time="$ORVANE_FUZZ_SECONDS" -print_final_stats=1 \
     -artifact_prefix="$ORVANE_OUT/fuzz/" \
     "$ORVANE_OUT/fuzz/corpus" "$ORVANE_ROOT/tests/fuzz/seeds" >"$fuzz_log" 2>&1; then
  tail -40 "$fuzz_log"
  echo "the fuzzer found a fault; the input is in $ORVANE_OUT/fuzz (crash-*)" >&2
  exit 1
fi
grep -E "^stat::number_of_executed_units" "$fuzz_log"

echo "== formatting (clang-format, as .clang-format says)"
(cd "$ORVANE_ROOT" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)

echo "== static analysis (cppcheck)"
# Every branch is followed, as cppcheck 2.10 (Debian 12) always does: from 2.11
# on (Debian 13 has 2.17) the default "normal" level stops early in long
# functions and says so in an information line, which --error-exitcode counts
# as a finding.  The sources are small; exhaustive costs well under a second.
cppcheck_level=()
if [[ $(cppcheck --help) == *--check-level* ]]; then cppcheck_level=(--check-level=exhaustive); fi
cppcheck --std=c++20 --enable=warning,performance,portability --error-exitcode=1 --quiet \
  --inline-suppr "${cppcheck_level[@]}" -I "$ORVANE_ROOT" \
  "$ORVANE_ROOT"/{app,pin,settings,hotkey,tray,about} "$ORVANE_ROOT/tests/fakes/Files_posix.cpp"

echo "== static analysis (clang-tidy, as .clang-tidy says)"
tidy_log="$ORVANE_OUT/native/clang-tidy.log"
if ! (cd "$ORVANE_ROOT" && git ls-files -z 'app/*.cpp' 'pin/*.cpp' 'settings/*.cpp' 'hotkey/*.cpp' \
        'tray/*.cpp' 'about/*.cpp' 'platform/*.cpp' 'tests/fakes/Files_posix.cpp' | grep -zv '_win\.cpp$' |
        xargs -0 clang-tidy -p "$ORVANE_OUT/native" --quiet) >"$tidy_log" 2>&1; then
  grep -v 'warnings generated\.$' "$tidy_log"
  exit 1
fi

echo "== the release: built twice from the last commit, the same bytes; imports allowed"
"$ORVANE_ROOT/scripts/release.sh" "$ORVANE_OUT/release" >/dev/null
"$ORVANE_ROOT/scripts/release.sh" "$ORVANE_OUT/release-again" >/dev/null
if ! cmp -s "$ORVANE_OUT/release/SHA256SUMS" "$ORVANE_OUT/release-again/SHA256SUMS"; then
  echo "two builds of the release differ:" >&2
  diff "$ORVANE_OUT/release/SHA256SUMS" "$ORVANE_OUT/release-again/SHA256SUMS" >&2
  exit 1
fi
sed 's/^/  /' "$ORVANE_OUT/release/SHA256SUMS"
"$ORVANE_ROOT/scripts/check-imports.sh" "$ORVANE_OUT/release/$ORVANE_EXE_NAME"

echo "== the program (32-bit) and its end-to-end tests"
"$ORVANE_ROOT/scripts/e2e.sh"
