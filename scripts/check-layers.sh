#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer (docs/architecture.md), or when
# a file of the core library includes a widget, chart, multimedia or GUI header of Qt.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"

# Layer of each folder; a file may include its own folder and folders of a lower layer.
declare -A layer=(
  [base]=0
  [net]=1 [i18n]=1 [tips]=1
  [history]=2
  [stats]=3 [server]=3
  [evaluation]=4
  [generator]=5
  [gui]=6
  [app]=7
)
core_folders="base net i18n tips history stats evaluation server generator"

status=0
while IFS= read -r file; do
  folder=${file%%/*}
  own=${layer[$folder]:-}
  if [ -z "$own" ]; then
    echo "$file: folder '$folder' has no layer in scripts/check-layers.sh" >&2
    status=1
    continue
  fi
  while IFS=: read -r line target; do
    # The meta-object code moc generates for the file's own class.
    [[ "$target" == moc_*.cpp ]] && continue
    dep=${target%%/*}
    [ "$dep" = "$folder" ] && continue
    theirs=${layer[$dep]:-}
    if [ -z "$theirs" ]; then
      echo "$file:$line includes \"$target\" from an unknown folder" >&2
      status=1
    elif [ "$theirs" -ge "$own" ]; then
      echo "$file:$line: $folder (layer $own) includes \"$target\" (layer $theirs)" >&2
      status=1
    fi
  done < <(grep -n -o -E '^#include "[^"]+"' "$file" | sed -E 's/#include "(.*)"/\1/')
  if [[ " $core_folders " == *" $folder "* ]]; then
    if grep -n -E '^#include <(Qt(Widgets|Gui|Charts|Multimedia|PrintSupport|Svg)/|Q(Widget|Application|MainWindow|Dialog|Label|PushButton|Painter|Pixmap|Image|Color|Font|Icon|Chart|SoundEffect|MediaPlayer)\b)' "$file" >&2; then
      echo "$file: the core library may use Qt Core and Qt Network only" >&2
      status=1
    fi
  fi
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's#^\./##' | sort)

[ $status -eq 0 ] && echo "layers: every include goes to the same or a lower layer"
exit $status
