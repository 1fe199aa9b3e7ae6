#!/usr/bin/env bash
# check-layers.sh [ROOT]: fails when a file of the viewer breaks the folder rules.
# - Includes run one way through the floors: base <- mapdata <- view <- editor <- app.
# - Core files (outside any qt/ or win32/ folder) include no toolkit: nothing under qt/ or
#   win32/, and no Qt header.
# - Neither toolkit includes the other: qt/ files nothing under win32/, win32/ files nothing
#   under qt/.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
rank() {
    case $1 in base) echo 0 ;; mapdata) echo 1 ;; view) echo 2 ;; editor) echo 3 ;; app) echo 4 ;; *) echo -1 ;; esac
}
# The toolkit of a path: the name of its qt/ or win32/ folder, "core" when it has none.
toolkit() {
    case /$1 in */qt/*) echo qt ;; */win32/*) echo win32 ;; *) echo core ;; esac
}
bad=0
complain() {
    echo "$1"
    bad=1
}
while IFS= read -r file; do
    path=${file#"$root"/viewer/}
    folder=${path%%/*}
    own=$(rank "$folder")
    [ "$own" -ge 0 ] || continue
    kit=$(toolkit "$path")
    while IFS= read -r target; do
        theirs=$(rank "${target%%/*}")
        if [ "$theirs" -gt "$own" ]; then
            complain "viewer/$path: includes ${target%%/*}/ from $folder/"
        fi
        targetKit=$(toolkit "$target")
        if [ "$targetKit" != core ] && [ "$targetKit" != "$kit" ]; then
            complain "viewer/$path: a $kit file includes $target"
        fi
    done < <(sed -n 's|^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*/[^"]*\)".*|\1|p' "$file")
    if [ "$kit" = core ] && grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
        complain "viewer/$path: a core file includes Qt"
    fi
done < <(find "$root/viewer" -name '*.h' -o -name '*.cpp')
exit $bad
