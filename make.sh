#!/bin/sh
# Builds Orvanel and starts it, or builds and runs every test, or the
# benchmarks. Installs the Debian packages each step needs when they are
# missing.
#   ./make.sh run | test | bench | windows
set -eu
cd "$(dirname "$0")"

run_packages="g++ cmake ninja-build qt6-base-dev fonts-dejavu-core"
# orvanel-bank talks to MIDI ports through RtMidi (ALSA and JACK).
run_packages="$run_packages librtmidi-dev"
test_packages="$run_packages libgtest-dev libbenchmark-dev xvfb xdotool clang libclang-rt-14-dev"
# The end-to-end test also runs with GTK's file dialog, compares window pixels
# and reads window classes.
test_packages="$test_packages qt6-gtk-platformtheme imagemagick x11-utils"
# The MIDI tests run a JACK server with its dummy driver, and a JACK client.
test_packages="$test_packages jackd2 libjack-jackd2-dev"
bench_packages="$test_packages time"
# The Windows programs: cross-built with MinGW-w64, tested and measured
# under Wine.
windows_packages="g++-mingw-w64-x86-64-posix cmake ninja-build"
wine_packages="$windows_packages wine wine64 fonts-wine"
test_packages="$test_packages $wine_packages"
bench_packages="$bench_packages $wine_packages"

install_missing() {
  missing=""
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing="$missing $package"
  done
  [ -z "$missing" ] && return 0
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing:$missing"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # shellcheck disable=SC2086 # one word a package
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

configure_windows() {  # [CMAKE OPTIONS...]
  cmake -S . -B build/windows -G Ninja --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=platform/win32/toolchain.cmake "$@" \
    >/dev/null
}

configure_and_build() {  # FOLDER [CMAKE OPTIONS...]
  folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
  cmake --build "$folder"
}

case "${1:-}" in
  run)
    install_missing $run_packages
    configure_and_build build/app -DBUILD_TESTING=OFF -DORVANEL_BENCHMARKS=OFF
    exec build/app/orvanel
    ;;
  test)
    install_missing $test_packages
    configure_and_build build/release -DBUILD_TESTING=ON -DORVANEL_BENCHMARKS=ON
    ctest --test-dir build/release --output-on-failure --no-tests=error -j2
    # The Windows programs under Wine, and their banks beside the Linux build's.
    configure_windows -DBUILD_TESTING=ON -DORVANEL_LINUX_BANK_TOOL="$PWD/build/release/orvanel-bank"
    cmake --build build/windows
    ctest --test-dir build/windows --output-on-failure --no-tests=error -j2
    # A minute of coverage-guided fuzzing of the SysEx checker; what it keeps
    # in build/fuzz/corpus is checked again below as ordinary tests.
    CC=clang CXX=clang++ configure_and_build build/fuzz -DORVANEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
    mkdir -p build/fuzz/corpus
    build/fuzz/tests/fuzz/sysex_check_fuzzer -max_total_time=60 -max_len=30000 -print_final_stats=1 \
      -artifact_prefix=build/fuzz/ build/fuzz/corpus tests/fuzz/corpus 2>build/fuzz/fuzz.log ||
      { tail -n 40 build/fuzz/fuzz.log; exit 1; }
    tail -n 12 build/fuzz/fuzz.log
    configure_and_build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DORVANEL_SANITIZE=ON -DBUILD_TESTING=ON \
      -DORVANEL_BENCHMARKS=OFF
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
      UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build/sanitize --output-on-failure --no-tests=error -j2
    ;;
  bench)
    install_missing $bench_packages
    configure_and_build build/release -DBUILD_TESTING=ON -DORVANEL_BENCHMARKS=ON
    # Repeated and interleaved: file-system noise moves single runs by 10 %.
    build/release/bench/core_bench --benchmark_repetitions=12 --benchmark_enable_random_interleaving=true \
      --benchmark_report_aggregates_only=true
    bench/bank_tool.sh build/release/orvanel-bank
    bench/startup.sh build/release
    bench/midi_send.sh build/release/orvanel-bank
    # The Windows programs under Wine: start-up against a bare Win32
    # program, each .exe's size and the DLLs it imports.
    configure_windows -DBUILD_TESTING=OFF -DORVANEL_BENCHMARKS=ON
    cmake --build build/windows --target orvanel orvanel-bank startup_floor_win32
    tools/wine_xvfb.sh build/windows/wine bench/startup_windows.sh build/windows build/release/bench/startup_probe
    ;;
  windows)
    install_missing $windows_packages
    configure_windows -DBUILD_TESTING=OFF
    cmake --build build/windows --target windows_zip
    ;;
  *)
    echo "usage: $0 run | test | bench | windows" >&2
    exit 2
    ;;
esac
