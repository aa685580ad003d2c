#!/usr/bin/env bash
# Sets up a Debian machine for Quintara GR and builds it.
#   scripts/quintara.sh run    install what is missing, build, start the program
#   scripts/quintara.sh test   install what is missing, build, run every test
#   scripts/quintara.sh build  install what is missing, build
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUINTARA_BUILD_DIR:-$here/build}"

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev qt6-multimedia-dev libqt6opengl6-dev qt6-httpserver-dev libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-liberation
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
    build_all
    cd "$build"
    ctest --output-on-failure -j "$(nproc)"
    ;;
  build)
    install_missing
    build_all "${@:2}"
    ;;
  *)
    echo "usage: $0 run|test|build" >&2
    exit 2
    ;;
esac
