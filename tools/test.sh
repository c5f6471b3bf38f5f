#!/bin/bash
# Checks the code's format, builds everything and runs every test: the unit tests (and the asset check) under
# AddressSanitizer and UndefinedBehaviorSanitizer, each alone and then all in one shuffled process,
# the sanitized game mashed with random keys under Xvfb, the mesh and logo readers and the loader
# of saved games under libFuzzer for about 30 s each, then the display tests under Xvfb with
# Mesa's software OpenGL against an optimised build, and last the Debian package made from that
# build: checked, and as root installed, started from / and removed again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install_packages.sh test
# The C++ keeps one format (.clang-format); unformatted code fails here, before any build.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNHOLD_SANITIZE=ON -DVARNHOLD_BENCH=OFF
cmake --build build/asan
(cd build/asan && ctest -L unit --output-on-failure -j2)
# Every unit test once more, all in one process in a random order: state that one test leaves
# behind for the next (a game that does not start fresh) fails here.
build/asan/simulation_tests --gtest_shuffle --gtest_brief=1
(cd data && XDG_DATA_HOME="$PWD/../build/asan/xdg_testov" ../build/asan/client_tests --gtest_shuffle --gtest_brief=1)
(cd build/asan && ctest -L mash --output-on-failure)
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNHOLD_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DFUZZ_SECONDS=30
cmake --build build/fuzz
(cd build/fuzz && ctest -L fuzz --output-on-failure)
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build/release
(cd build/release && ctest -L gl --output-on-failure)
rm -f build/release/varnhold_*.deb
(cd build/release && cpack -G DEB)
bash tests/e2e/balik.sh build/release build/release/shots
