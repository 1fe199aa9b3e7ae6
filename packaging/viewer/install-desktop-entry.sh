#!/bin/sh
# install-desktop-entry.sh [--remove]: puts a launcher for the Orvandel Map of this folder, with
# its icon in 16 to 256 pixels, into your desktop's menu (~/.local/share/applications and
# ~/.local/share/icons/hicolor, or the same under $XDG_DATA_HOME), or takes both away again.
# The launcher starts this folder's ORVDMAP: run the script again after moving the folder.
set -eu

here=$(cd "$(dirname "$0")" && pwd -P)
data=${XDG_DATA_HOME:-$HOME/.local/share}
entry=$data/applications/orvandel-map.desktop
icons=$data/icons/hicolor
sizes="16 32 48 64 128 256"

case ${1:-} in
--remove)
    removed=
    for file in "$entry" $(for size in $sizes; do echo "$icons/${size}x$size/apps/orvandel-map.png"; done); do
        if [ -e "$file" ]; then
            rm -f "$file"
            removed=yes
        fi
    done
    if [ -n "$removed" ]; then
        printf 'Removed the launcher %s and its icons.\n' "$entry"
    else
        printf 'There was no launcher to remove: %s does not exist.\n' "$entry"
    fi
    exit 0
    ;;
"") ;;
*)
    echo "usage: $0 [--remove]" >&2
    exit 2
    ;;
esac

program=$here/ORVDMAP
if [ ! -x "$program" ]; then
    echo "$0: no ORVDMAP in $here" >&2
    exit 1
fi
case $program in
*'
'*)
    echo "$0: the folder's name holds a line break, which a launcher cannot name" >&2
    exit 1
    ;;
esac

# A launcher's value escapes "\" as "\\". Exec quotes each argument in "..." and escapes
# " ` $ \ inside the quotes first; "%" is written "%%". The program is started through sh, so
# that the command the launcher checks before starting is sh: GLib looks for the program under
# its name as written, "%%" and all, and refuses a launcher whose folder holds a "%".
value() { printf '%s' "$1" | sed 's/\\/\\\\/g'; }
quoted=$(printf '%s' "$program" | sed 's/[\\"`$]/\\&/g')
exec_line=$(value "sh -c \"exec \\\"\\\$0\\\"\" \"$quoted\"" | sed 's/%/%%/g')

mkdir -p "$data/applications"
for size in $sizes; do
    mkdir -p "$icons/${size}x$size/apps"
    cp "$here/icons/${size}x$size/orvandel-map.png" "$icons/${size}x$size/apps/orvandel-map.png"
done
# Written aside and renamed, so a menu that watches the folder never reads half a file.
cat >"$entry.tmp" <<EOF
[Desktop Entry]
Type=Application
Version=1.4
Name=Orvandel Map
GenericName=Map Viewer
Comment=Maps of Orvandel with their places
Exec=$exec_line
TryExec=$(value "$program")
Icon=orvandel-map
Terminal=false
Categories=Education;Geography;
Keywords=map;atlas;places;
StartupWMClass=Orvandel Map
EOF
mv "$entry.tmp" "$entry"
printf 'Launcher: %s\n' "$entry"
printf 'It starts %s.\n' "$program"
