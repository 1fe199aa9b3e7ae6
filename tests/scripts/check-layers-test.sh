#!/usr/bin/env bash
# Each case is a one-file viewer tree: the file, the line it includes, and whether check-layers
# must refuse it.
set -uo pipefail
script=$(cd "$(dirname "$0")/../.." && pwd)/scripts/check-layers.sh
cases=(
    'view/Geometry.cpp|#include "base/Rect.h"|pass'
    'base/Rect.h|#include "view/Geometry.h"|fail'
    'editor/qt/TForm3.cpp|#include "view/qt/MapBox.h"|pass'
    'view/qt/MapBox.cpp|#include "editor/LocationEditor.h"|fail'
    'view/MapPainter.cpp|#include "base/qt/QtText.h"|fail'
    'base/help/HelpFile.h|#include "base/win32/Help.h"|fail'
    'app/qt/TForm1.cpp|#include "app/win32/Form.h"|fail'
    'app/win32/Form.cpp|#include "base/qt/Dialogs.h"|fail'
    'app/win32/Form.cpp|#include "view/Geometry.h"|pass'
    'mapdata/TestMap.cpp|#include <QImage>|fail'
    'mapdata/qt/Picture.cpp|#include <QImage>|pass'
)
failures=0
for c in "${cases[@]}"; do
    IFS='|' read -r file line expected <<<"$c"
    tree=$(mktemp -d)
    mkdir -p "$tree/viewer/$(dirname "$file")"
    printf '%s\n' "$line" >"$tree/viewer/$file"
    if bash "$script" "$tree" >/dev/null; then got=pass; else got=fail; fi
    rm -rf "$tree"
    if [ "$got" != "$expected" ]; then
        echo "$file with $line: expected $expected, got $got"
        failures=$((failures + 1))
    fi
done
exit $((failures > 0))
