#!/bin/bash
# A random session of a real program (see tests/pilote/hasard.cpp):
#   hasard.sh PROGRAMME MODULE ACTIONS [GRAINE]
# without GRAINE a fresh seed is drawn; it is printed either way, and
# PILOTE_GRAINE=GRAINE replays the same actions. The run fails on a crash,
# a sanitizer report, a toolkit warning, a non-zero status, or a program
# still running after 50 s (a plot that never ends).
# Run inside an X server (xvfb-run).
set -euo pipefail
programme=$1 module=$2 actions=$3
graine=${4:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
echo "$(basename "$programme"): seed $graine"
export PILOTE_GRAINE=$graine
exec "$(dirname "$0")/../quitter.sh" "$programme" "$module" "attendre 200;hasard $actions" 50
