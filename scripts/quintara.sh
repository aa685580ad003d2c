#!/usr/bin/env bash
# Sets up a Debian machine for Quintara GR and builds it.
#   scripts/quintara.sh run    install what is missing, build, start the program
#   scripts/quintara.sh test   install what is missing, build, run every test
#   scripts/quintara.sh build    install what is missing, build
#   scripts/quintara.sh package  install what is missing, build, make the Debian package
#                                build/quintara_<version>_<arch>.deb
#   scripts/quintara.sh ci       the tests; the package installed with dpkg, its programs run and
#                                its desktop files validated, the package removed again; then the
#                                tests again under AddressSanitizer and UndefinedBehaviorSanitizer
#                                (build-asan), the threaded tests under ThreadSanitizer
#                                (build-tsan), then every fuzz target for QUINTARA_FUZZ_SECONDS
#                                (default 30) seconds each
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUINTARA_BUILD_DIR:-$here/build}"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6opengl6-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-svg-dev poppler-utils
  libgtest-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-tidy-14
  fonts-liberation fonts-dejavu-core
  ccache strace file dpkg-dev desktop-file-utils appstream
  libssl3 openssl ca-certificates tzdata
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

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Compiles go through ccache when it is there; paths below the checkout are hashed relative to
# it, so another clone of the same sources on this machine reuses the cache.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR="$here"
  # Debug information names the directory of the first compile; the cache need not tell clones apart.
  export CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

build_all() {
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
  cmake --build "$build" -j "$(nproc)"
}

# The package installs below /usr; the data directory is found relative to the program, the
# user unit of the draw server names /usr/bin.
make_package() {
  cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" -DCMAKE_INSTALL_PREFIX=/usr
  cmake --build "$build" -j "$(nproc)" --target quintara quintara-drawserver beside_program
  rm -f "$build"/quintara_*.deb
  (cd "$build" && cpack -G DEB)
  package_file="$(ls "$build"/quintara_*.deb)"
  echo "Package: $package_file"
}

# Installs the package, runs what it installed and removes it again (CI runs as root).
check_package() {
  local deb="$1"
  as_root dpkg -i "$deb" || DEBIAN_FRONTEND=noninteractive as_root apt-get install -f -y -qq --no-install-recommends
  trap 'as_root dpkg -r quintara >/dev/null 2>&1 || true' EXIT
  QT_QPA_PLATFORM=offscreen /usr/bin/quintara --version
  /usr/bin/quintara-drawserver --help
  desktop-file-validate /usr/share/applications/example.brenlow.quintara.desktop
  appstreamcli validate --no-net /usr/share/metainfo/example.brenlow.quintara.metainfo.xml
  as_root dpkg -r quintara
  trap - EXIT
  if [ -e /usr/bin/quintara ] || [ -e /usr/share/quintara ]; then
    echo "ci: the package left files behind" >&2
    return 1
  fi
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
    build_all -DQUINTARA_WERROR=ON
    "$here/scripts/tidy.sh" "$build" --changed
    (cd "$build" && ctest --output-on-failure -j "$(nproc)")
    echo "ci: tests passed after $((SECONDS - start)) s"
    make_package
    check_package "$package_file"
    echo "ci: package installed, run and removed after $((SECONDS - start)) s"
    asan="${QUINTARA_ASAN_BUILD_DIR:-$here/build-asan}"
    cmake -S "$here" -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" -DQUINTARA_SANITIZE=ON
    cmake --build "$asan" -j "$(nproc)"
    # Leaks of the platform libraries Qt loads (fonts, D-Bus) are theirs, not ours.
    (cd "$asan" && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
      LSAN_OPTIONS=suppressions="$here/.ci/lsan.supp":print_suppressions=0 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --output-on-failure -j "$(nproc)")
    echo "ci: sanitizer tests passed after $((SECONDS - start)) s"
    # The tests that run threads (the random players, the shared history reading), once more
    # under ThreadSanitizer.
    tsan="${QUINTARA_TSAN_BUILD_DIR:-$here/build-tsan}"
    threaded=(chance_baseline_test history_records_test)
    cmake -S "$here" -B "$tsan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" -DQUINTARA_TSAN=ON
    cmake --build "$tsan" -j "$(nproc)" --target "${threaded[@]}"
    (cd "$tsan" && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
      ctest --output-on-failure -j "$(nproc)" -R "^($(IFS='|'; echo "${threaded[*]}"))\$")
    echo "ci: thread sanitizer tests passed after $((SECONDS - start)) s"
    QUINTARA_JOBS="$(nproc)" "$here/scripts/fuzz.sh" "${QUINTARA_FUZZ_SECONDS:-30}"
    echo "ci: done after $((SECONDS - start)) s"
    ;;
  build)
    install_missing
    build_all "${@:2}"
    ;;
  package)
    install_missing
    make_package
    ;;
  *)
    echo "usage: $0 run|test|build|package|ci" >&2
    exit 2
    ;;
esac
