#!/usr/bin/env bash
# Fails when a file of the viewer includes a folder above its own: includes run one way,
# base <- mapdata <- view <- editor <- app.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rank() {
    case $1 in base) echo 0 ;; mapdata) echo 1 ;; view) echo 2 ;; editor) echo 3 ;; app) echo 4 ;; *) echo -1 ;; esac
}
bad=0
while IFS= read -r file; do
    folder=$(basename "$(dirname "$file")")
    own=$(rank "$folder")
    [ "$own" -ge 0 ] || continue
    while IFS= read -r target; do
        theirs=$(rank "$target")
        if [ "$theirs" -gt "$own" ]; then
            echo "${file#"$root"/}: includes $target/ from $folder/"
            bad=1
        fi
    done < <(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\)/.*|\1|p' "$file")
done < <(find "$root/viewer" -name '*.h' -o -name '*.cpp')
exit $bad
