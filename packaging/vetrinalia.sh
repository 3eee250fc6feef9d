#!/bin/sh
# Starts Vetrinalia for the user who runs it. The program keeps everything it reads and
# writes in the folder of its program file, so each user gets a program folder of their
# own, ~/Vetrinalia (VETRINALIA_HOME names another: a path, or a name inside HOME):
# real copies of the installed program files, refreshed whenever the installed ones
# differ, and the initial password file where the user has none. Flyers, photos and a
# changed password are never touched. Then the program runs from there.
set -u

# The installed files lie beside this script's bin/ folder, so an unpacked package
# runs as well as an installed one.
bindir=$(dirname "$(readlink -f "$0")")
installed="$bindir/../lib/vetrinalia"
notice="$bindir/../libexec/vetrinalia/vetrinalia-avviso"

# Says what went wrong, in a dialog where a display exists and always on standard
# error, and ends with a failure.
fail() {
    printf 'vetrinalia: %s\n' "$1" >&2
    if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && [ -x "$notice" ]; then
        "$notice" "$1" >/dev/null 2>&1 </dev/null
    fi
    exit 1
}

folder_failed() {
    fail "Attenzione: non è possibile creare o scrivere la cartella di Vetrinalia:
$folder
Vetrinalia tiene in questa cartella i volantini, le foto e la password.
Controllare i permessi della cartella e lo spazio libero sul disco."
}

if [ -z "${HOME:-}" ]; then
    fail "Attenzione: la cartella personale dell'utente (HOME) non è impostata."
fi
case "${VETRINALIA_HOME:-}" in
    "") folder="$HOME/Vetrinalia" ;;
    /*) folder="$VETRINALIA_HOME" ;;
    *) folder="$HOME/$VETRINALIA_HOME" ;;
esac

if [ ! -f "$installed/vetrinalia" ] || [ ! -x "$installed/vetrinalia" ]; then
    fail "Attenzione: i file di Vetrinalia mancano in $installed.
Reinstallare il programma."
fi

mkdir -p "$folder" 2>/dev/null || folder_failed
[ -d "$folder" ] && [ -w "$folder" ] || folder_failed

# Puts a copy of the installed file $1 at $2 in one step (a copy beside it, then a
# rename), so that a program still running from the old copy goes on undisturbed.
place() {
    mkdir -p "$(dirname "$2")" 2>/dev/null || return 1
    [ ! -d "$2" ] || [ -L "$2" ] || return 1
    cp "$1" "$2.$$.nuovo" 2>/dev/null && mv -f "$2.$$.nuovo" "$2" 2>/dev/null && return 0
    rm -f "$2.$$.nuovo"
    return 1
}

cd "$installed" || fail "Attenzione: i file di Vetrinalia in $installed non si possono leggere."
find . -type f | while IFS= read -r file; do
    name=${file#./}
    target="$folder/$name"
    case "$name" in
        unins000.dll)
            # The password: the initial one only where the user has none.
            if [ ! -e "$target" ] && [ ! -L "$target" ]; then
                place "$file" "$target" || exit 1
            fi
            ;;
        *)
            cmp -s "$file" "$target" || place "$file" "$target" || exit 1
            ;;
    esac
done || folder_failed

cd "$folder" || folder_failed
# A copy that cannot run: a disk mounted without the right to start programs.
[ -x "$folder/vetrinalia" ] || fail "Attenzione: il programma $folder/vetrinalia non si può avviare.
Controllare che il disco della cartella permetta di avviare i programmi."
exec "$folder/vetrinalia" "$@"
