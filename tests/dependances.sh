#!/bin/bash
# One list of what building needs, seen from both sides: the Build-Depends
# of debian/control that a build without its tests needs are exactly
# outils/paquets/lancer (with build-essential, which Debian takes as
# given), and those of the tests alone (<!nocheck>) are all in
# outils/paquets/tester.
set -euo pipefail
cd "$(dirname "$0")/.."
construction() {
    perl -MDpkg::Control::Info -MDpkg::Deps -e '
        my $d = Dpkg::Control::Info->new("debian/control")->get_source->{"Build-Depends"};
        $d = deps_parse($d, build_dep => 1, reduce_profiles => 1, build_profiles => [@ARGV]);
        print "$_->{package}\n" for $d->get_deps' "$@" | grep -vx debhelper-compat | sort
}
liste() { grep -v '^#' "outils/paquets/$1" | grep -vx build-essential | sort; }
diff <(construction nocheck) <(liste lancer) ||
    { echo "Build-Depends (<) and outils/paquets/lancer (>) differ" >&2; exit 1; }
absents=$(comm -23 <(construction) <(construction nocheck) | comm -23 - <(liste tester))
[[ -z $absents ]] || { echo "Build-Depends missing in outils/paquets/tester: $absents" >&2; exit 1; }
