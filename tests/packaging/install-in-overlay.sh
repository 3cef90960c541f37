#!/bin/sh
# Part of check-package.sh, run in a mount namespace of its own (unshare
# --mount): installs WORK/qv.deb with dpkg into an overlay of / (whatever
# it writes lands in WORK/upper, this machine is left alone), runs the
# installed programs with an empty environment, purges the package and
# lists any file it left behind.
#
#   install-in-overlay.sh WORK
set -eu

WORK=$1
ROOT=$WORK/root
mkdir -p "$WORK/upper" "$WORK/ovl" "$ROOT"
mount --make-rprivate /
mount -t overlay overlay -o "lowerdir=/,upperdir=$WORK/upper,workdir=$WORK/ovl" "$ROOT"
mount -t proc proc "$ROOT/proc"
mount --rbind /dev "$ROOT/dev"
mount -t tmpfs tmpfs "$ROOT/tmp"
mount -t tmpfs tmpfs "$ROOT/run"
cp "$WORK/qv.deb" "$ROOT/var/tmp/qv.deb"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# A command in the throw-away root with no environment but what it is given.
in_root() { chroot "$ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }

in_root dpkg -i /var/tmp/qv.deb >"$WORK/dpkg-install.log" 2>&1 || { cat "$WORK/dpkg-install.log"; exit 1; }
echo "installed with dpkg -i"

verify=$(in_root systemd-analyze verify --man=no /lib/systemd/system/qv_server.service 2>&1) && [ -z "$verify" ] ||
    fail "systemd-analyze verify of the installed unit: $verify"
[ -L "$ROOT/etc/systemd/system/multi-user.target.wants/qv_server.service" ] || fail "the service is not enabled"

# No NLSPATH, no QV_HOME: the catalogue of LANG is found where glibc looks.
status=0
out=$(in_root LANG=de_DE.UTF-8 /usr/bin/qv_tolvar 2>&1) || status=$?
[ "$status" -eq 255 ] || fail "qv_tolvar without a display: status $status"
case "$out" in
*"Die Anzeige kann nicht geöffnet werden"*) ;;
*) fail "qv_tolvar did not find the German catalogue: $out" ;;
esac

# The installed server and qv_admin: the service's command line, a load, a get.
(exec chroot "$ROOT" /usr/bin/env -i /usr/bin/qv_server --db /var/tmp/qv.db --port 0 --port-file /run/port \
    >"$WORK/server.log" 2>&1) &
server=$!  # the server itself: each program execs the next
tries=0
until [ -s "$ROOT/run/port" ] || [ "$tries" -ge 300 ]; do
    tries=$((tries + 1))
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
done
if [ -s "$ROOT/run/port" ]; then
    port=$(cat "$ROOT/run/port")
    in_root QV_PORT="$port" /usr/bin/qv_admin load /usr/share/doc/qv/examples/topology.json >"$WORK/admin.log" 2>&1 ||
        fail "qv_admin load: $(cat "$WORK/admin.log")"
    in_root QV_PORT="$port" /usr/bin/qv_admin get 12 name >"$WORK/admin.log" 2>&1 ||
        fail "qv_admin get: $(cat "$WORK/admin.log")"
else
    fail "the installed qv_server did not listen: $(cat "$WORK/server.log")"
fi
kill "$server" 2>/dev/null || true
wait "$server" || fail "the installed qv_server did not stop cleanly on SIGTERM"
rm -f "$ROOT/var/tmp/qv.db"* "$ROOT/var/tmp/qv.deb"

in_root dpkg --purge qv >"$WORK/dpkg-purge.log" 2>&1 || { cat "$WORK/dpkg-purge.log"; exit 1; }
echo "purged with dpkg --purge"
# What the purge left: only dpkg's own records and logs may differ.
find "$WORK/upper" ! -type d | sed "s|^$WORK/upper||" |
    grep -Ev '^/(var/lib/dpkg/|var/log/|var/cache/(man|debconf|ldconfig)/|etc/ld\.so\.cache$)' >"$WORK/left" || true
if [ -s "$WORK/left" ]; then
    fail "files left after the purge:"
    cat "$WORK/left"
fi
[ "$failures" -eq 0 ]
