#!/usr/bin/env bash
# Sets up a Debian machine for Quintara GR and builds it.
#   scripts/quintara.sh run    install what is missing, build, start the program
#   scripts/quintara.sh test   install what is missing, build, run every test
#   scripts/quintara.sh build  install what is missing, build
#   scripts/quintara.sh ci     the tests, then the tests again under AddressSanitizer and
#                              UndefinedBehaviorSanitizer (build-asan), then every fuzz target
#                              for QUINTARA_FUZZ_SECONDS (default 30) seconds each
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUINTARA_BUILD_DIR:-$here/build}"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6opengl6-dev qt6-httpserver-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-svg-dev poppler-utils
  libgtest-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev
  fonts-liberation fonts-dejavu-core
  ccache strace file dpkg-dev desktop-file-utils appstream
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_all() {
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  cmake --build "$build" -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing
    build_all
    exec "$build/quintara" "${@:2}"
    ;;
  test)
    install_missing
    "$here/scripts/check-layers.sh"
    build_all
    cd "$build"
    ctest --output-on-failure -j "$(nproc)"
    ;;
  ci)
    install_missing
    start=$SECONDS
    "$here/scripts/check-layers.sh"
    build_all
    (cd "$build" && ctest --output-on-failure -j "$(nproc)")
    echo "ci: tests passed after $((SECONDS - start)) s"
    asan="${QUINTARA_ASAN_BUILD_DIR:-$here/build-asan}"
    cmake -S "$here" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUINTARA_SANITIZE=ON
    cmake --build "$asan" -j "$(nproc)"
    # Leaks of the platform libraries Qt loads (fonts, D-Bus) are theirs, not ours.
    (cd "$asan" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
      LSAN_OPTIONS=suppressions="$here/.ci/lsan.supp":print_suppressions=0 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j "$(nproc)")
    echo "ci: sanitizer tests passed after $((SECONDS - start)) s"
    QUINTARA_JOBS="$(nproc)" "$here/scripts/fuzz.sh" "${QUINTARA_FUZZ_SECONDS:-30}"
    echo "ci: done after $((SECONDS - start)) s"
    ;;
  build)
    install_missing
    build_all "${@:2}"
    ;;
  *)
    echo "usage: $0 run|test|build|ci" >&2
    exit 2
    ;;
esac
