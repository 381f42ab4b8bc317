#!/bin/sh
# Runs a test program in a private mount namespace in which MACHINE_ROOT stands at /opt, where the
# plug-in looks for its factory presets, so that a hosted plug-in finds the build's presets
# without anything being installed; the real /opt is neither read nor touched.
#
# usage: run-with-factory-presets.sh MACHINE_ROOT PROGRAM [ARGUMENTS...]
# Exits 77 (skipped) where no private namespace can be made.
root="$1"
shift

if ! unshare --user --map-root-user --mount true 2> /dev/null; then
    echo "no private mount namespace can be made here: skipped"
    exit 77
fi

exec unshare --user --map-root-user --mount \
    sh -c 'mount --bind "$0" /opt && ONDRELLA_PRIVATE_MACHINE_ROOT=1 exec "$@"' "$root" "$@"
