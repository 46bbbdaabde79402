#!/bin/bash
# What Orca, the screen reader users run, says of the real programs, as built
# or as installed, driven by keys alone as a blind user drives them:
#   orca.sh PROGRAMME...        (inside an X server: outils/ecran)
# in Orca's session of outils/lecteur. Each sentence of the programs' own
# that Orca speaks (its debug log's speech lines; its own words, keys echoed
# and controls named, are left out) must be the next one expected, word for
# word; each key waits for the sentence before it, never for a clock, and
# the whole run for LIMITE seconds at most (90). tourbel: a plot of 10^6
# points stopped by "Effacer", one of 3000 to its end, "Vue 3D" after
# "Effacer", the left arrow from there, "Fermer"; ramelle: "Tracer", then
# "Zoom" once for each view of its cycle, "Fermer"; then nothing more.
set -u
[[ -n ${JOURNAL_ORCA:-} ]] || exec "$(dirname "$0")/../outils/lecteur" "$0" "$@"
# A failure shows the last events Orca had and what it spoke, which is all
# a run of CI leaves of it.
echec() {
    echo "orca.sh: $*${GARDER_JOURNAL:+; the log of Orca kept in $GARDER_JOURNAL}" >&2
    grep -E "SPEECH OUTPUT|EVENT MANAGER: [a-z]+:[^ ]* for " "$JOURNAL_ORCA" | tail -n 60 | cut -c 1-240 >&2
    exit 1
}
# The sentences Orca speaks, one a line, as they come.
coproc ecoute { tail -n +1 -F "$JOURNAL_ORCA" | sed -un "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)' *{.*/\1/p"; }
fin=$((SECONDS + ${LIMITE:-90}))
# Waits for the next sentence that matches $1 (a regular expression), Orca's
# own words aside; it must match $2, if given, as a whole.
ecouter() {
    local phrase && while ((SECONDS < fin)) && IFS= read -r -t $((fin - SECONDS)) phrase <&"${ecoute[0]}"; do
        [[ $phrase =~ $1 ]] || continue
        [[ $phrase =~ ^${2:-.*}$ ]] || echec "$programme: Orca says « $phrase », not « $2 »"
        echo "$programme: Orca says « $phrase »" && return
    done
    echec "$programme: Orca says no « ${2:-$1} » within ${LIMITE:-90} s"
}
propres='^(Tracé |Vue entière :|Zoom [1-3] sur 3 :)'
entendre() { for p; do ecouter "$propres" "$p"; done; }
trace() { echo "Tracé « $1 » : Xo = 11, Yo = 0, Zo = 20, r = 28, h = 0,0001, $2 points\."; }
for programme; do
    GTK_MODULES=gail:atk-bridge "$programme" & pid=$!
    case $(basename "$programme") in
    tourbel) # from the first field, which has the focus at start
        ecouter '^Xo = '
        xdotool key Tab Tab Tab Tab ctrl+a type 0,0001 && xdotool key Tab ctrl+a type 1e6
        xdotool key Tab space && entendre "$(trace "selon x et y" 1000000)"
        xdotool key Tab Tab space && entendre "Tracé arrêté après [0-9]+ segments\." # "Effacer"
        # Back by "Aide" and the four views to the number of points; after
        # "Effacer" again, back to "Vue 3D"; the left arrow to "selon y et z".
        xdotool key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a type 3000
        # shellcheck disable=SC2086 # the keys, one a word
        for v in "Tab space:selon x et y" "Tab Tab space shift+Tab shift+Tab space:Vue 3D" "Left:selon y et z"; do
            xdotool key ${v%:*} && entendre "$(trace "${v#*:}" 3000)" "Tracé terminé : 3000 segments tracés\."
        done
        xdotool key Tab Tab Tab space ;; # "Fermer"
    ramelle) # from "Tracer", which has the focus at start
        ecouter '^Tracer bouton' && xdotool key space && entendre "Vue entière : a de 0,00 à 1,00 et u de 0,00 à 1,00\."
        xdotool key Tab && ecouter '^Zoom bouton'
        for zoom in "Zoom 1 sur 3 : a de 0,21 à 1,00 et u de 0,03 à 0,89" "Zoom 2 sur 3 : a de 0,55 à 1,00 et u de 0,10 à 0,70" \
            "Zoom 3 sur 3 : a de 0,70 à 1,00 et u de 0,25 à 0,55" "Vue entière : a de 0,00 à 1,00 et u de 0,00 à 1,00"; do
            xdotool key space && entendre "$zoom\."
        done
        xdotool key Tab space ;; # "Fermer"
    esac
    wait "$pid" || echec "$programme: ended with status $?"
done
# Nothing more of the programs' until Orca, stopped, says so.
programme=orca && kill "$PID_ORCA" && ecouter "$propres|^Lecteur d’écran désactivé\.$" "Lecteur d’écran désactivé\."
