#!/bin/bash
# Runs a real program, driven by the pilot module, and checks that it ends
# by itself with status 0, whatever it was doing. A plot of 10^8 points that
# went on to its end would take many minutes, so the 60 s watchdog is far
# from any run, slow or fast.
#   quitter.sh PROGRAMME MODULE 'SCRIPT'        (inside an X server)
PILOTE=$3 timeout -s KILL 60 "$1" --gtk-module="$2"
