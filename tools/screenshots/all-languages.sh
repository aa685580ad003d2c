#!/bin/sh
# Screenshots of every page and dialog in German, English and Greek at 100 % and 150 %:
#   tools/screenshots/all-languages.sh [build directory] [output directory]
# Names: <language>-<scale>-<page>.png, reduced to 256 colours when ImageMagick is there.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
out=${2:-$root/docs/screenshots}
mkdir -p "$out"
for scale in 100 150; do
  factor=$(echo "$scale" | sed 's/^\(.\)\(..\)$/\1.\2/')
  for pair in de:Bezeich_de en:Bezeich_en el:Bezeich_gr; do
    lang=${pair%%:*}
    file=${pair#*:}
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$factor "$build/tools/screenshots/quintara-screenshots" \
      "$root/data/greek-lotto-6-49.csv" "$out" "$root/data/beside/land/$file.txt" "$lang-$scale"
  done
done
if command -v mogrify >/dev/null 2>&1; then
  mogrify -colors 256 "$out"/*.png
fi
