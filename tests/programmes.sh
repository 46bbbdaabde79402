#!/bin/bash
# The real programs, as built or as installed from the package, driven as a
# user drives them: xdotool clicks and keys where the stored pictures of the
# windows (tests/references) show each widget, and their windows pictured
# from outside (ImageMagick's import) and compared with those pictures,
# byte for byte.
#   programmes.sh PROGRAMME...        (inside an X server)
# Each starts with the toolkit's standard options of its manual page only:
# the display not in the environment but in --display, and --name, by
# which its windows are found. tourbel: blank at start, a short plot
# started by keyboard alone from values typed long, then one in each view
# from its own default point, after "Effacer", two rounds; a plot of the
# tutorial's values typed, "Fermer" in the middle of it and of another
# nested in it (what Orca says of them: tests/orca.sh). ramelle: blank at start,
# two whole rounds of the cycle of "Zoom", "Tracer" over a level, and
# "Fermer" during a drawing. Both end with status 0, and before that, both
# fail to start cleanly without a display.
# With COULEURS_DU_THEME set, in a desktop theme of the environment's
# (GTK2_RC_FILES) whose text and background colours it gives, "rrggbb/rrggbb"
# as the theme's gtkrc does: its widgets are not the stored pictures', its
# drawing areas are, drawn in the text colour on the background. Each
# program is then driven by keyboard alone: a plot of tourbel typed, the
# full view and a level of ramelle, "Fermer".
# With LANCEUR set, each is started through that command, then only seen
# at start, told how long its window took to come, and closed: by name
# through the README's run command in a fresh root (outils/tester-racine),
# where, before them, a wrong name stops it at once, with nothing installed
# nor built where it runs (the words before its path in LANCEUR, a
# chroot); or in a root that holds the package installed, and nothing
# else (outils/tester-pi).
set -u
export LC_ALL=fr_FR.UTF-8 # as their users run them
references=$(dirname "$0")/references
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
pid=
echec() { echo "$programme: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }
# The pointer, away from every window: no widget under it lit, and no
# window has the keyboard (it follows the pointer in a bare X server), so
# no cursor blinks in a picture.
garer() { xdotool mousemove 2500 1500; }
clic() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# Types each text over a field of tourbel, from the one with the focus on,
# one Tab to the next, which Tab selects; then Tab to the first view and Return.
saisir() {
    xdotool key ctrl+a type "$1"
    for texte in "${@:2}"; do xdotool key Tab type "$texte"; done
    xdotool key Tab Return
}
# Runs "$@" until it holds. A try counts only when the program has been
# idle since the one before, its processor time unchanged, 400 of them at
# most (some 20 s here; a correct run needs a few at most): however slowly
# it computes and draws, as under an emulated processor, it is waited
# for, and the test's own time limit stops a program that spins.
jusqua() {
    local fois=0 avant="" temps=()
    while ((fois < 400)); do
        "$@" && return
        read -ra temps 2>/dev/null <"/proc/$pid/stat" || temps=()
        [[ ${temps[*]:13:2} != "$avant" ]] || ((++fois))
        avant=${temps[*]:13:2} && sleep 0.05
    done
    false
}

# $1 = the window titled $2, once shown, of the name given; none if the
# program ends first, as it does when it ignores its options.
fenetre() {
    xdotool search --sync --onlyvisible --name "$2" >"$tmp/id" &
    local recherche=$! fini
    wait -n -p fini "$pid" "$recherche"
    [[ ${fini:-} == "$recherche" ]] || { kill "$recherche"; echec "ended before showing its windows"; }
    xdotool search --classname "^$nom\$" | grep -qxf "$tmp/id" || echec "--name=$nom is ignored"
    read -r "$1" <"$tmp/id"
    echo "$programme: window $1 shown after ${SECONDS} s"
}

# Whether window $1 shows the picture $2. A plot ends, and the toolkit
# repaints a button the pointer left, at no moment that shows from outside:
# the window is pictured again until it shows the reference.
# In a theme, only the drawing area is compared: the bottom left corner of
# the window and of the picture, of the area's size.
zone() { [[ -z ${COULEURS_DU_THEME:-} ]] || echo -gravity SouthWest -crop "$zone+0+0" +repage; }
vu() {
    import -silent -window "$1" ppm:- | convert - $(zone) -depth 8 ppm:"$tmp/vu" &&
        cmp -s "$tmp/vu" "$tmp/attendu"
}
montre() {
    convert "$references/$2.png" $(zone) ${COULEURS_DU_THEME:+-fill "#${COULEURS_DU_THEME#*/}" +opaque black \
        -fill "#${COULEURS_DU_THEME%/*}" -opaque black} -depth 8 ppm:"$tmp/attendu"
    jusqua vu "$1" || echec "does not show $2 ($references/$2.png)"
}

if [[ ${LANCEUR:-} == */outils/lancer ]]; then
    read -ra lanceur <<<"$LANCEUR" && programme=tourbell
    ou=("${lanceur[@]:0:${#lanceur[@]}-1}")
    paquets() { "${ou[@]}" dpkg-query -W -f '${db:Status-Abbrev}\n' | grep -c ^ii; }
    avant=$(paquets) sortie=$($LANCEUR tourbell 2>&1)
    (($? == 2)) && [[ $sortie == usage:* ]] && (($(paquets) == avant)) &&
        ! "${ou[@]}" test -e "${lanceur[-1]%/outils/lancer}/build" || echec "the run command went on: $sortie"
fi
for programme; do
    garer
    nom=essai-$(basename "$programme") SECONDS=0 zone=800x600
    [[ $nom != *tourbel ]] || zone=1024x900
    env -u DISPLAY ${LANCEUR:-} "$programme" --display="$DISPLAY" --name="$nom" & pid=$!
    case ${LANCEUR:+court-}${COULEURS_DU_THEME:+theme-}$(basename "$programme") in
    court-tourbel) fenetre principale '^Attracteur' && montre "$principale" tourbel-fenetre &&
        clic "$principale" 500 158 ;; # "Fermer"
    court-ramelle) fenetre principale '^Diagramme' && montre "$principale" ramelle-vide &&
        clic "$principale" 666 13 ;;
    theme-tourbel)
        fenetre principale '^Attracteur' && fenetre dessin '^Zone de dessin'
        xdotool windowmove --sync "$dessin" 1400 0 mousemove --window "$principale" 5 5
        saisir 11 0 20 28 0.002 4000 && montre "$dessin" tourbel-vue1
        xdotool key --repeat 3 Tab key space ;; # by "Aide" and "Effacer" to "Fermer"
    theme-ramelle)
        fenetre principale '^Diagramme' && xdotool mousemove --window "$principale" 5 5
        montre "$principale" ramelle-vide
        xdotool key space && montre "$principale" ramelle-entiere # "Tracer"
        xdotool key Tab space && montre "$principale" ramelle-zoom1
        xdotool key Tab space ;; # "Fermer"
    tourbel)
        fenetre principale '^Attracteur' && fenetre dessin '^Zone de dessin'
        montre "$principale" tourbel-fenetre
        # Side by side, as a user would set them, so that no window hides the drawing.
        xdotool windowmove --sync "$dessin" 1400 0
        montre "$dessin" tourbel-vide
        # By keyboard alone, from the first field, which has the focus at
        # start: each value typed long, many digits or an exponent (h with
        # the decimal comma of French), reads as its short form.
        xdotool mousemove --window "$principale" 5 5
        saisir 11.0000000000000000000000000000000000000000 0.0e+00 2.000000000000000000000000e+1 \
            28.000000000000000000000000000000000000000001 0,002000000000000000000000000 4.0000e3
        montre "$dessin" tourbel-vue1
        vues=([1]=50 210 370 515)
        for vue in 1 2 3 4 4 3 2 1; do
            clic "$principale" 290 158 && montre "$dessin" tourbel-vide # "Effacer"
            clic "$principale" "${vues[vue]}" 126 && montre "$dessin" tourbel-vue$vue
        done
        # (Shift+Tab and the arrows among the views: tests/orca.sh.)
        # "Aide", its dialog moved off the main window and closed by Escape.
        clic "$principale" 90 158 && fenetre aide '^Aide$'
        xdotool windowmove --sync "$aide" 0 800 mousemove --window "$aide" 5 5 key Escape
        # The tutorial's values, typed as it gives them: the default point,
        # r at the end of 0 to 30, h of 10^-5 and 10^6 points, after
        # "Effacer"; then "selon y et z" inside it, and "Fermer".
        clic "$principale" 290 158 && clic "$principale" 130 37 && saisir 11 0 20 30 0.00001 1000000
        clic "$principale" 370 126 && clic "$principale" 500 158 ;;
    ramelle)
        fenetre principale '^Diagramme'
        montre "$principale" ramelle-vide
        # "Zoom" (column 396) or "Tracer" (130), then what the window shows.
        voir() { clic "$principale" "$1" 13 && garer && montre "$principale" "ramelle-$2"; }
        for vue in zoom1 zoom2 zoom3 entiere zoom1 zoom2 zoom3 entiere zoom1; do
            voir 396 $vue
        done
        # "Tracer" draws over, without clearing nor moving the cycle on.
        voir 130 zoom1+entiere && voir 396 zoom2
        clic "$principale" 396 13 && clic "$principale" 666 13 ;; # "Zoom", "Fermer"
    esac
    wait "$pid" || echec "ended with status $?"
    # No display, or one where no server answers: the toolkit's message
    # and status 1, never a crash.
    for ecran in "" --display=:65535; do
        sortie=$(env -u DISPLAY ${LANCEUR:-} "$programme" $ecran 2>&1)
        (($? == 1)) && [[ $sortie == *"cannot open display: ${ecran#*=}"* ]] ||
            echec "starting without a display ${ecran:+$ecran }says: $sortie"
    done
done
