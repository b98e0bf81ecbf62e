#!/usr/bin/env bash
# Build ovalspin-cli with profile-guided optimisation and run the benchmark.
#
#   bench/pgo.sh [BUILD_DIR] [TESTS]
#
# GCC's profile names follow the object files, so both passes use one build
# directory: an instrumented build plays a training run of seeded Tests
# (log off and log on), then the same tree is rebuilt from those profiles.
# The training seeds differ from the benchmark's.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$src/build-pgo}
tests=${2:-3000}
profiles=$build/profiles
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT

common=(-S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release -DOVALSPIN_GUI=OFF -DOVALSPIN_TESTS=OFF)
rm -rf "$profiles"
cmake "${common[@]}" -DCMAKE_CXX_FLAGS="-fprofile-generate -fprofile-update=single -fprofile-dir=$profiles" >/dev/null
cmake --build "$build" -j2 --target ovalspin-cli
"$build/ovalspin-cli" --data "$data" --seed 1000 bench --tests 400 --log off >/dev/null
"$build/ovalspin-cli" --data "$data" --seed 2000 bench --tests 40 >/dev/null

cmake "${common[@]}" -DCMAKE_CXX_FLAGS="-fprofile-use -fprofile-dir=$profiles -fprofile-partial-training -Wno-missing-profile" >/dev/null
cmake --build "$build" -j2 --target ovalspin-cli
"$build/ovalspin-cli" --data "$data" --seed 1 bench --tests "$tests" --log off
