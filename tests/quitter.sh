#!/bin/bash
# Runs a real program, driven by the pilot module, and checks that it ends
# by itself with status 0 within a few seconds, whatever it was doing.
#   quitter.sh PROGRAMME MODULE 'SCRIPT' [SECONDES]
# Run inside an X server (xvfb-run).
set -u
programme=$1 module=$2 script=$3 limite=${4:-10}
debut=$(date +%s%N)
PILOTE=$script timeout -s KILL "$limite" "$programme" --gtk-module="$module"
statut=$?
duree=$((($(date +%s%N) - debut) / 1000000))
echo "$(basename "$programme"): status $statut after $duree ms"
[ "$statut" -eq 0 ]
