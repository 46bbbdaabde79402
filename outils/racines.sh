# shellcheck shell=bash
# Fresh roots of a Debian release, for the stages that test the project in
# them (outils/tester-racine, outils/tester-pi), which source this file
# after setting $suite (bookworm, trixie, forky):
# - garder [ARCH]: the pristine root of the release, of this machine's
#   architecture or of ARCH, made by mmdebstrap from the archive that this
#   machine's apt already uses, kept in /var/cache/chaos/racines/SUITE.tar
#   (SUITE-ARCH.tar) and made again when missing or a week old;
# - cage NAME [ROOT]: a fresh copy of one (the last kept by default) in
#   the run's own folder $tmp, with the tree in /srv/chaos, what programs
#   need mounted, and the packages apt downloads kept between runs in
#   $depot (/var/cache/chaos/archives-SUITE by default); "${dans[@]}"
#   runs a command there;
# - etape: a stage in a session of its own, ended at once by a stop;
# - archive: the archive's own failures, which end a run well in testing.
# $tmp, what was mounted there and every process left in its roots go on
# every way out (liberer, the EXIT trap).
racine=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
nom=${0##*/}
arret() { echo "$nom: $*" >&2; exit 1; }
# The archive's own failures end the run well in testing alone: in a
# stable release, a package that cannot be had is the project's.
archive() {
    [[ $suite == forky ]] || arret "$suite: $*"
    echo "$nom: $suite: THE ARCHIVE FAILS, not the project: $*; $suite left untested" >&2
    exit 0
}
"$racine/outils/installer" racine
depot=/var/cache/chaos/archives-$suite

tmp=$(mktemp -d /var/tmp/chaos-"$suite".XXXXXX)
enfants=()
liberer() {
    local m p
    set +e
    for p in "${enfants[@]}"; do kill -- -"$p"; done 2>/dev/null
    wait
    for p in /proc/[0-9]*; do
        [[ $(readlink "$p/root") != "$tmp"/* ]] || kill -9 "${p#/proc/}"
    done 2>/dev/null
    for m in $(awk -v t="$tmp/" 'index($2, t) == 1 {print $2}' /proc/self/mounts | sort -r); do
        umount "$m" 2>/dev/null || umount -l "$m"
    done
    rm -rf --one-file-system "$tmp"
}
trap liberer EXIT
trap 'exit 1' INT TERM HUP
# A stage runs in a session of its own, waited for, so that a stop comes
# at once and ends all of it.
etape() {
    setsid "$@" &
    enfants+=($!)
    wait $!
}

# The archive may serve testing with a Release file past its Valid-Until
# date, which apt refuses as expired: forky's roots alone take it anyway.
garder() {
    cache=/var/cache/chaos/racines/$suite${1:+-$1}.tar
    [[ -z $(find "$cache" -mtime -7 2>/dev/null) ]] || return 0
    local uri options=()
    uri=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' |
        awk -v s="$(. /etc/os-release && echo "$VERSION_CODENAME")" '$2 == s { print $1; exit }')
    [[ -n $uri ]] || arret "no Debian archive in this machine's apt sources"
    [[ $suite != forky ]] || options=(--aptopt='Acquire::Check-Valid-Until "false"')
    mkdir -p "${cache%/*}"
    mmdebstrap --quiet --variant=minbase ${1:+--architectures="$1"} "${options[@]}" \
        "$suite" "$cache.part.tar" "$uri" || archive "mmdebstrap cannot make a root${1:+ of $1}"
    mv "$cache.part.tar" "$cache"
}

# This tree as it is now (its files staged there, ignored ones left out)
# copied into $1.
copier() {
    mkdir -p "$1"
    git -C "$racine" ls-files -z --cached --others --exclude-standard |
        tar -C "$racine" --null -T - --ignore-failed-read -cf - | tar -C "$1" -xf -
}
cage() {
    cage=$tmp/$1
    mkdir -p "$cage" "$depot"
    tar -C "$cage" -xf "${2:-$cache}"
    cp /etc/resolv.conf "$cage/etc/resolv.conf"
    copier "$cage/srv/chaos"
    mount -t proc proc "$cage/proc"
    mount --rbind /dev "$cage/dev" && mount --make-rslave "$cage/dev"
    mount -t tmpfs tmpfs "$cage/tmp"
    mount --bind "$depot" "$cage/var/cache/apt/archives"
    dans=(chroot "$cage" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root
        DEBIAN_FRONTEND=noninteractive)
}
