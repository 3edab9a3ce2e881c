#!/usr/bin/env bash
# What a user installs, installed: a clean Debian 12 root made by mmdebstrap (cached as a tar in
# <build>/package-test/, remade when its package list changes), the packages of ./kx package
# installed there with apt-get from Debian's archive, and inside it (its own mount and process
# namespaces, a private session bus, Xvfb) the installed emulated mouse and window, the window
# starting the installed daemon through the bus, a whole read and an Apply checked through
# kx-virtual-mouse dump; the udev rule and the user unit where the system looks for them; purge
# leaves nothing of the packages behind. One "PASS: ..." or "FAIL: ..." line per check.
# package-test.sh <build folder> (the .deb files in <build>/packages)
# Exit status: 0 every check passed, 1 one failed, 77 skipped (the reason printed as
# "skipped: ..."): no root, no mmdebstrap, or no route to Debian's archive.
set -euo pipefail

BUILD=$(cd "$1" && pwd)
DEBS="$BUILD/packages"
WORK="$BUILD/package-test"
SUITE=bookworm
# What the test itself uses in the root; the packages bring the rest from the archive.
TOOLS=dbus,dbus-bin,xvfb,xauth,xdotool,systemd,ca-certificates
say() { printf 'package-test: %s\n' "$*" >&2; }

skip() {
    printf 'skipped: %s\n' "$*"
    exit 77
}
for tool in mmdebstrap unshare; do
    command -v "$tool" >/dev/null || skip "$tool is missing (./kx deps)"
done
[ "$(id -u)" -eq 0 ] || skip "needs root (mmdebstrap, mounts and chroot)"
# mmdebstrap and apt-get in the root fetch from Debian's archive (mmdebstrap's default mirror),
# through any proxy apt is configured with.
probe=$(mktemp)
if ! timeout 60 /usr/lib/apt/apt-helper -qq download-file \
    "http://deb.debian.org/debian/dists/$SUITE/Release" "$probe" >/dev/null 2>&1; then
    rm -f "$probe"
    skip "Debian's archive (deb.debian.org) cannot be reached"
fi
rm -f "$probe"
ls "$DEBS"/kestrix_*.deb "$DEBS"/kestrix-virtual-mouse_*.deb >/dev/null

mkdir -p "$WORK/archives"
tarball="$WORK/$SUITE-root.tar"
if [ ! -f "$tarball" ] || [ "$(cat "$WORK/$SUITE-root.list" 2>/dev/null)" != "$TOOLS" ]; then
    say "making a clean $SUITE root (mmdebstrap; kept in $tarball)"
    rm -f "$tarball"
    mmdebstrap --quiet --variant=apt --format=tar --include="$TOOLS" "$SUITE" "$tarball.part"
    mv "$tarball.part" "$tarball"
    printf '%s' "$TOOLS" >"$WORK/$SUITE-root.list"
fi

root="$WORK/root"
if grep -q " $root/" /proc/self/mounts; then
    say "mounts remain under $root from an earlier run: unmount them first"
    exit 1
fi
rm -rf "$root"
mkdir -p "$root"
tar -C "$root" -xf "$tarball"
mkdir -p "$root/kx"
cp "$DEBS"/kestrix_*.deb "$DEBS"/kestrix-virtual-mouse_*.deb "$root/kx/"
cp "$(dirname "$0")/package-test-inside.sh" "$root/kx/inside.sh"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The root's own mounts and processes end with the namespace; downloaded packages are kept for
# the next run.
set +e
unshare --mount --pid --fork --kill-child bash -c '
    set -e
    root=$1 archives=$2
    mount --make-rprivate /
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount -t tmpfs tmpfs "$root/tmp"
    mount -t tmpfs tmpfs "$root/run"
    mount --bind "$archives" "$root/var/cache/apt/archives"
    exec chroot "$root" /bin/bash /kx/inside.sh
' package-test "$root" "$WORK/archives" 2>&1 | tee "$WORK/last-run.log"
status=${PIPESTATUS[0]}
set -e
# The mounts lived in the namespace alone; never remove a root that still has any.
if grep -q " $root/" /proc/self/mounts; then
    say "mounts remain under $root: it is left in place"
    exit 1
fi
rm -rf "$root"
passed=$(grep -c '^PASS: ' "$WORK/last-run.log" || true)
failed=$(grep -c '^FAIL: ' "$WORK/last-run.log" || true)
[ "$status" -eq 0 ] || [ "$failed" -gt 0 ] || failed=1
echo "package-test: $passed passed, $failed failed"
exit "$status"
