#!/bin/bash
# The real programs end with status 0 when asked to, whatever they are
# doing: tourbel from "Fermer" in the middle of two nested plots of 10^8
# points (which would run for many minutes: hence the 60 s watchdog, far
# from any run), ramelle from "Fermer" after a "Zoom". xdotool clicks where
# the stored pictures of the windows (tests/references) show each widget.
#   quitter.sh PROGRAMME...           (inside an X server)
set -u
clic() { xdotool mousemove --window "$fenetre" "$1" "$2" click "${@:3}" 1; }
for programme; do
    timeout -s KILL 60 "$programme" &
    case $(basename "$programme") in
    tourbel)
        fenetre=$(xdotool search --sync --onlyvisible --name '^Attracteur')
        clic 520 70 --repeat 3 && xdotool type 100000000 # "Nbr. pt. = "
        clic 515 126 && clic 370 126 # "Vue 3D", then "selon y et z" inside its plot
        clic 500 158 ;;              # "Fermer"
    ramelle)
        fenetre=$(xdotool search --sync --onlyvisible --name '^Diagramme')
        clic 396 13 && clic 666 13 ;; # "Zoom", "Fermer"
    esac
    wait $! || { echo "$programme: status $?" >&2; exit 1; }
done
# ---- tourbel by keyboard alone (for the driver of the real programs): from
# the first field six Tabs reach "selon x et y", Space starts its plot, seen
# as the drawing window, moved apart, changes; then Tab to "Fermer", Space.
timeout -s KILL 60 "$1" &
fenetre=$(xdotool search --sync --onlyvisible --name '^Attracteur')
dessin=$(xdotool search --sync --onlyvisible --name '^Zone de dessin')
xdotool windowmove --sync "$dessin" 700 0 mousemove --window "$fenetre" 5 5
vide=$(xwd -silent -id "$dessin" | md5sum)
xdotool key --repeat 6 Tab key space
while image=$(xwd -silent -id "$dessin" | md5sum) && [ "$image" = "$vide" ]; do :; done
xdotool key --repeat 3 Tab key space
wait $! || { echo "$1 (clavier): status $?" >&2; exit 1; }
# ---- end of tourbel by keyboard alone
