#!/bin/sh
# Builds the Debian package from the build tree and checks it: its control
# fields and dependencies, its file list, its service unit (systemd-analyze
# verify); then, where this runs as root with mount namespaces, installs it
# with dpkg in a throw-away copy of this machine (an overlay of /), runs the
# programs there without any environment, and purges it again, which must
# leave no file behind.
#
#   check-package.sh BUILD_DIR
set -eu

BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d /tmp/qv-package-test.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

(cd "$BUILD" && cpack -G DEB -B "$WORK/out" >"$WORK/cpack.log" 2>&1) || { cat "$WORK/cpack.log"; exit 1; }
DEB=$(ls "$WORK"/out/qv_*.deb)
echo "built $(basename "$DEB")"

# Control: the dependencies dpkg-shlibdeps found for the programs' libraries,
# and those the package names itself.
depends=$(dpkg-deb -f "$DEB" Depends)
for dep in libc6 libstdc++6 libsqlite3-0 libsodium23 libssl3 libsystemd0 libxm4 libxbae4m libxt6 libx11-6 \
    fonts-dejavu-core; do
    echo "$depends" | tr ',' '\n' | grep -q "^ *$dep\( \|$\)" || fail "Depends lacks $dep: $depends"
done
[ "$(dpkg-deb -f "$DEB" Package)" = qv ] || fail "package name"
dpkg-deb -I "$DEB" conffiles | grep -qx /etc/X11/app-defaults/QV_tolvar || fail "app-defaults not a conffile"
for script in postinst prerm postrm; do
    dpkg-deb -I "$DEB" "$script" >/dev/null 2>&1 || fail "no $script"
done

# Files: what the tool and the service need, where they look for it.
dpkg-deb -c "$DEB" | awk '{ if ($6 == "") next; print $6 ($7 == "->" ? " -> " $8 : "") }' | sed 's|^\./|/|' \
    >"$WORK/files"
for entry in \
    /opt/Quorlan/qv/bin/qv_tolvar /opt/Quorlan/qv/bin/qv_server /opt/Quorlan/qv/bin/qv_admin \
    /opt/Quorlan/qv/bin/hyperhelp /opt/Quorlan/qv/lib/libqvtls.so /opt/Quorlan/qv/help/qv_help.hlp /opt/Quorlan/qv/glyphs/Router.pm \
    /opt/Quorlan/qv/nls/C/qv.cat /opt/Quorlan/qv/nls/de/qv.cat /opt/Quorlan/qv/mapdata/europe.map \
    "/usr/bin/qv_tolvar -> /opt/Quorlan/qv/bin/qv_tolvar" "/usr/bin/qv_server -> /opt/Quorlan/qv/bin/qv_server" \
    "/usr/bin/qv_admin -> /opt/Quorlan/qv/bin/qv_admin" \
    "/usr/share/locale/de/LC_MESSAGES/qv.cat -> /opt/Quorlan/qv/nls/de/qv.cat" \
    "/usr/share/locale/C/LC_MESSAGES/qv.cat -> /opt/Quorlan/qv/nls/C/qv.cat" \
    /etc/X11/app-defaults/QV_tolvar /etc/default/qv_server /lib/systemd/system/qv_server.service \
    /usr/share/man/man1/qv_tolvar.1.gz /usr/share/man/man1/qv_admin.1.gz /usr/share/man/man8/qv_server.8.gz \
    /usr/share/doc/qv/README.md; do
    grep -qxF "$entry" "$WORK/files" || fail "the package lacks $entry"
done
for dir in glyphs mapdata backgrounds; do
    built=$(ls "$BUILD/share/qv/$dir" | wc -l)
    packed=$(grep -c "^/opt/Quorlan/qv/$dir/." "$WORK/files" || true)
    [ "$built" -eq "$packed" ] || fail "$dir: $packed files in the package, $built built"
done
grep -v '/$' "$WORK/files" | grep -Ev '^/(opt/Quorlan/qv|usr/bin/qv_|usr/share/(man|doc/qv|locale)/|etc/(X11/app-defaults|default)/|lib/systemd/system/qv_server)' \
    | sed 's/^/FAIL: a file in an unexpected place: /' | tee "$WORK/stray"
[ -s "$WORK/stray" ] && failures=$((failures + 1))

# The unit, with its program where the package puts it.
dpkg-deb -x "$DEB" "$WORK/tree"
sed "s|/opt/Quorlan/qv/bin/qv_server|$WORK/tree/opt/Quorlan/qv/bin/qv_server|" \
    "$WORK/tree/lib/systemd/system/qv_server.service" >"$WORK/qv_server.service"
# verify warns of an unknown key or value and still exits 0: any word fails.
verify=$(systemd-analyze verify --man=no "$WORK/qv_server.service" 2>&1) && [ -z "$verify" ] ||
    fail "systemd-analyze verify: $verify"

# Installation and purge in a throw-away root.
if [ "$(id -u)" -ne 0 ] || ! unshare --mount true 2>/dev/null; then
    echo "NOTE: not root or no mount namespaces: dpkg -i and --purge in a throw-away root left out"
else
    cp "$DEB" "$WORK/qv.deb"
    unshare --mount sh "$(dirname "$0")/install-in-overlay.sh" "$WORK" || fail "installing and purging (above)"
fi

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "package checks passed"
