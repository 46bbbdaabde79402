#!/bin/bash
# CI's own checks, each given what it must refuse and what it must let
# through: outils/suite-entiere a ctest log, outils/seuil-vitesse benchmark
# figures, outils/restes what a run left. As root: the mount it must see
# is made in a mount namespace of the test's own, gone with it.
set -euo pipefail
outils=$(cd "$(dirname "$0")/../outils" && pwd)
processus='' t=$(mktemp -d) && reste=$(mktemp /tmp/chaos-reste.XXXXXX)
trap 'kill $processus 2>/dev/null; wait; rm -rf "$t" "$reste"' EXIT
trap 'exit 1' INT TERM HUP PIPE
ko=0
# attendre passe|refuse WHAT COMMAND...
attendre() { local r=passe && "${@:3}" >"$t/sortie" 2>&1 || r=refuse
    [[ $r == "$1" ]] || { echo "$2: the check should have ${1/%e/ed}:" && cat "$t/sortie" && ko=1; }; }

# A log holds ctest's summary ($1); the build folder declares 5 tests.
journal() { echo "$1" >"$t/journal" && "$outils/suite-entiere" "$t/journal" echo "Total Tests: 5"; }
attendre passe "all 5 passed" journal "100% tests passed, 0 tests failed out of 5"
attendre refuse "one missing" journal "100% tests passed, 0 tests failed out of 4"
attendre refuse "one failed" journal "80% tests passed, 1 tests failed out of 5"
attendre refuse "no summary" journal "Total Test time (real) = 1.00 sec"

# ramelle's sweep on SSE2, AVX2 and AVX-512, that many times cheaper than
# the plain one, the map steps of the program's own sweep ($4: those of
# each set's, 918473600, 921862656 and 928120832) and tourbel's cost ($5).
chiffres() {
    printf '%s\n' "simple 1 1599200000" "diagramme/sse2 $1 $(($1 * 918473600))" \
        "diagramme/avx2 $2 $(($2 * 921862656))" "diagramme/avx512 $3 $(($3 * 928120832))" \
        "balayage 1 $4" "pas $5" "pas_simple 1" >"$t/chiffres"
    "$outils/seuil-vitesse" "$t/chiffres"
}
attendre passe "each at its floor" chiffres 8 18 38 928120832 1.25
attendre refuse "a set with no floor" bash -c "echo 'diagramme/neon 99 1' | cat - '$t/chiffres' >'$t/neon' && '$outils/seuil-vitesse' '$t/neon'"
attendre refuse "SSE2 below its floor" chiffres 7 18 38 928120832 1
attendre refuse "AVX2 below its floor" chiffres 8 17 38 928120832 1
attendre refuse "AVX-512 below its floor" chiffres 8 18 37 928120832 1
attendre refuse "AVX2 taken" chiffres 8 18 38 921862656 1
attendre refuse "tourbel too slow" chiffres 8 18 38 928120832 1.26

# What the run left: lines of the listing after that the one before lacks.
printf '%s\n' "mount /a" /tmp/b >"$t/avant" && printf '%s\n' /tmp/b /tmp/c "mount /a" >"$t/apres"
attendre refuse "something new" "$outils/restes" "$t/avant" "$t/apres"
[[ $(cat "$t/sortie") == /tmp/c ]] || { echo "outils/restes tells \"$(cat "$t/sortie")\", not /tmp/c" && ko=1; }
attendre passe "something gone" "$outils/restes" "$t/avant" <(echo /tmp/b)
# A file in /tmp, a process and a mount are listed.
ln -s "$(command -v sleep)" "$t/ramelle-reste" && mkdir "$t/montage" && { "$t/ramelle-reste" infinity & }
processus=$!
until [[ $(<"/proc/$processus/comm") == ramelle-reste ]]; do :; done
unshare -m sh -c "mount -t tmpfs chaos '$t/montage' && '$outils/restes'" >"$t/liste"
(($(grep -cxF -e "$reste" -e "process ramelle-reste" -e "mount $t/montage" "$t/liste") == 3)) ||
    { echo "outils/restes misses $reste, process ramelle-reste or mount $t/montage:" && cat "$t/liste" && ko=1; }
exit $ko
