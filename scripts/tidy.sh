#!/usr/bin/env bash
# Runs clang-tidy (the checks of .clang-tidy) over every source file of src/, with the compile
# commands of a configured build directory (default build/). Fails on any finding.
#   scripts/tidy.sh [build-dir] [file...]      the named files, or every file of src/
#   scripts/tidy.sh [build-dir] --changed      the files of src/ the last commit changed (CI)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true
tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
[ -n "$tidy" ] || { echo "tidy: clang-tidy is not installed" >&2; exit 2; }
[ -f "$build/compile_commands.json" ] || { echo "tidy: no compile_commands.json in $build" >&2; exit 2; }
if [ "${1:-}" = "--changed" ]; then
  mapfile -t files < <(cd "$here" && git diff --name-only --diff-filter=AM HEAD~1 HEAD -- 'src/*.cpp' 2>/dev/null |
    sed "s#^#$here/#")
  if [ ${#files[@]} -eq 0 ]; then
    echo "tidy: the last commit changed no source file of src/"
    exit 0
  fi
elif [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(cd "$here" && git ls-files 'src/*.cpp' | sed "s#^#$here/#")
fi
# Generated moc files need to exist before the sources that include them are analysed.
cmake --build "$build" --target quintara_core_autogen quintara_gui_autogen >/dev/null
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 "$tidy" -p "$build" --quiet 2>/dev/null
echo "tidy: ${#files[@]} files clean"
