#!/bin/sh
# Builds Orvanel and starts it, or builds and runs every test, or the
# benchmarks. Installs the Debian packages each step needs when they are
# missing.
#   ./make.sh run | test | bench
set -eu
cd "$(dirname "$0")"

run_packages="g++ cmake ninja-build qt6-base-dev fonts-dejavu-core"
test_packages="$run_packages libgtest-dev libbenchmark-dev xvfb xdotool"
bench_packages="$test_packages hyperfine"

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

configure_and_build() {  # FOLDER [CMAKE OPTIONS...]
  folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja "$@" >/dev/null
  cmake --build "$folder"
}

case "${1:-}" in
  run)
    install_missing $run_packages
    configure_and_build build/release -DBUILD_TESTING=OFF -DORVANEL_BENCHMARKS=OFF
    exec build/release/orvanel
    ;;
  test)
    install_missing $test_packages
    configure_and_build build/release
    ctest --test-dir build/release --output-on-failure -j2
    configure_and_build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DORVANEL_SANITIZE=ON -DORVANEL_BENCHMARKS=OFF
    ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
      UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --test-dir build/sanitize --output-on-failure -j2
    ;;
  bench)
    install_missing $bench_packages
    configure_and_build build/release
    for benchmark in build/release/bench/*_bench; do "$benchmark"; done
    bench/startup.sh build/release/orvanel
    ;;
  *)
    echo "usage: $0 run | test | bench" >&2
    exit 2
    ;;
esac
