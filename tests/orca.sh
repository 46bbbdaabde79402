#!/bin/bash
# What Orca, the screen reader users run, says of the real programs, as built
# or as installed, driven by keys alone as a blind user drives them:
#   orca.sh PROGRAMME...        (inside an X server: outils/ecran)
# Orca speaks French, on a D-Bus session and an AT-SPI bus of its own, under
# metacity; speech-dispatcher's voice goes to ALSA's null device, for with no
# sound card it could hold Orca, whose key listener would then hold every
# key. Each sentence of the programs' own that Orca speaks (its debug log's
# speech lines; its own words, keys echoed and controls named, are left out)
# must be the next one expected, word for word; each key waits for the
# sentence before it, never for a clock, and the whole run for LIMITE
# seconds at most (90). Everything runs in a PID namespace of its own, whose
# end takes every service it started with it, on failure too. tourbel: a
# plot of 10^6 points stopped by "Effacer", one of 3000 to its end, "Vue 3D"
# after "Effacer", "Fermer"; ramelle: "Tracer", then "Zoom" once for each
# view of its cycle, "Fermer".
set -u
[[ -n ${ORCA_ISOLE:-} ]] || exec unshare --pid --mount-proc --fork --kill-child env ORCA_ISOLE=1 "$0" "$@"
tmp=$(mktemp -d)
trap 'kill -KILL -1 2>/dev/null; wait; rm -rf "$tmp"' EXIT
echec() { echo "orca.sh: $*" >&2; exit 1; }
export HOME=$tmp XDG_RUNTIME_DIR=$tmp/run XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/donnees \
    XDG_CACHE_HOME=$tmp/cache GSETTINGS_BACKEND=memory LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR" && mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$tmp/orca"
printf '%s\n' 'AudioOutputMethod "alsa"' 'AudioALSADevice "null"' 'DefaultLanguage "fr"' \
    'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' 'DefaultModule espeak-ng' \
    >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
# Orca writes its log by blocks: each line at once, so that it can be waited on.
echo 'import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)' \
    >"$tmp/orca/orca-customizations.py"
mkfifo "$tmp/bus"
dbus-daemon --session --nofork --nopidfile --address="unix:dir=$tmp" --print-address=3 3>"$tmp/bus" &
read -r DBUS_SESSION_BUS_ADDRESS <"$tmp/bus" && export DBUS_SESSION_BUS_ADDRESS
metacity --compositor=none 2>/dev/null &
orca -u "$tmp/orca" --debug-file="$tmp/journal" >/dev/null 2>&1 &
orca=$!
# The sentences Orca speaks, one a line, as they come.
coproc ecoute { tail -n +1 -F "$tmp/journal" 2>/dev/null | sed -un "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)' *{.*/\1/p"; }
fin=$((SECONDS + ${LIMITE:-90}))
# Waits for the next sentence that matches $1 (a regular expression), Orca's
# own words aside; it must match $2, if given, as a whole.
ecouter() {
    local phrase
    while IFS= read -r -t $((fin > SECONDS ? fin - SECONDS : 1)) phrase <&"${ecoute[0]}"; do
        [[ $phrase =~ $1 ]] || continue
        [[ $phrase =~ ^${2:-.*}$ ]] || echec "$programme: Orca says « $phrase », not « $2 »"
        echo "$programme: Orca says « $phrase »" && return
    done
    echec "$programme: Orca says no « ${2:-$1} » within ${LIMITE:-90} s"
}
propres='^(Tracé |Vue entière :|Zoom [1-3] sur 3 :)'
entendre() { for p; do ecouter "$propres" "$p"; done; }
touches() { xdotool key --clearmodifiers "$@"; }
programme=orca && ecouter "^Lecteur d’écran activé\.$"
trace() { echo "Tracé « $1 » : Xo = 11, Yo = 0, Zo = 20, r = 28, h = $2, $3 points\."; }
for programme; do
    GTK_MODULES=gail:atk-bridge "$programme" &
    pid=$!
    case $(basename "$programme") in
    tourbel) # from the first field, which has the focus at start
        ecouter '^Xo = '
        touches Tab Tab Tab Tab ctrl+a && xdotool type 0,0001 && touches Tab ctrl+a && xdotool type 1e6
        touches Tab space && entendre "$(trace "selon x et y" 0,0001 1000000)"
        touches Tab Tab space && entendre "Tracé arrêté après [0-9]+ segments\." # "Effacer"
        # back by "Aide" and the four views to the number of points
        touches shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a && xdotool type 3000
        touches Tab space && entendre "$(trace "selon x et y" 0,0001 3000)" "Tracé terminé : 3000 segments tracés\."
        touches Tab Tab space shift+Tab shift+Tab space # "Effacer", then "Vue 3D"
        entendre "$(trace "Vue 3D" 0,0001 3000)" "Tracé terminé : 3000 segments tracés\."
        touches Tab Tab Tab space ;; # "Fermer"
    ramelle) # from "Tracer", which has the focus at start
        ecouter '^Tracer bouton' && touches space && entendre "Vue entière : a de 0,00 à 1,00 et u de 0,00 à 1,00\."
        touches Tab && ecouter '^Zoom bouton'
        for zoom in "Zoom 1 sur 3 : a de 0,21 à 1,00 et u de 0,03 à 0,89" "Zoom 2 sur 3 : a de 0,55 à 1,00 et u de 0,10 à 0,70" \
            "Zoom 3 sur 3 : a de 0,70 à 1,00 et u de 0,25 à 0,55" "Vue entière : a de 0,00 à 1,00 et u de 0,00 à 1,00"; do
            touches space && entendre "$zoom\."
        done
        touches Tab space ;; # "Fermer"
    esac
    wait "$pid" || echec "$programme: ended with status $?"
done
# Nothing more of the programs' until Orca, stopped, says so.
programme=orca && kill "$orca" && ecouter "$propres|^Lecteur d’écran désactivé\.$" "Lecteur d’écran désactivé\."
