#!/usr/bin/env bash
# Boots Debian's kernel under QEMU (no KVM needed) with this machine's root shared read-only and
# runs kx-kernel-test in it, against the emulated mouse served as a USB gadget on dummy_hcd.
#
#   kernel-test.sh BUILD_DIR [test filter]
#
# Exit status: 0 every case passed, 1 a case failed or the guest did not finish, 77 skipped (the
# reason is printed as "skipped: ..."). The kernel package is fetched with apt-get download and
# kept in BUILD_DIR/kernel-test/.
set -euo pipefail

BUILD="$(cd "${1:?usage: kernel-test.sh BUILD_DIR [filter]}" && pwd)"
FILTER="${2:-*}"
CACHE="$BUILD/kernel-test"
RUNNER="$BUILD/tests/Kernel/kx-kernel-test"
GUEST_TIMEOUT="${KX_KERNEL_TEST_TIMEOUT:-400}"

skip() {
    printf 'skipped: %s\n' "$*"
    exit 77
}
fail() {
    printf 'kernel-test: %s\n' "$*" >&2
    exit 1
}

qemu-system-x86_64 --version >/dev/null 2>&1 ||
    skip "qemu-system-x86_64 does not run here (Debian package qemu-system-x86; ./kx deps installs it)"
BUSYBOX="$(command -v busybox || true)"
[ -n "$BUSYBOX" ] && "$BUSYBOX" true 2>/dev/null && ! ldd "$BUSYBOX" >/dev/null 2>&1 ||
    skip "no statically linked busybox (Debian package busybox-static; ./kx deps installs it)"
[ -x "$RUNNER" ] || fail "$RUNNER is not built"

# The kernel: the package linux-image-amd64 currently depends on, else the last one fetched.
mkdir -p "$CACHE"
package="$(apt-cache depends linux-image-amd64 2>/dev/null |
    sed -n 's/^ *Depends: \(linux-image-[0-9][^ ]*-amd64\)$/\1/p' | head -n 1 || true)"
deb=""
if [ -n "$package" ]; then
    deb="$(ls "$CACHE/${package}_"*.deb 2>/dev/null | head -n 1 || true)"
    if [ -z "$deb" ]; then
        printf 'kernel-test: fetching %s\n' "$package"
        if (cd "$CACHE" && apt-get download -q "$package" >"$CACHE/download.log" 2>&1); then
            deb="$(ls "$CACHE/${package}_"*.deb | head -n 1)"
        else
            printf 'kernel-test: apt-get download %s failed: %s\n' "$package" \
                "$(tail -n 1 "$CACHE/download.log")"
        fi
    fi
fi
[ -n "$deb" ] || deb="$(ls -t "$CACHE"/linux-image-*.deb 2>/dev/null | head -n 1 || true)"
[ -n "$deb" ] ||
    skip "no Debian kernel package: apt-cache knows no linux-image-amd64 and none was fetched before"

unpacked="$CACHE/$(basename "$deb" .deb)"
if [ ! -f "$unpacked/.complete" ]; then
    rm -rf "$unpacked"
    mkdir -p "$unpacked"
    dpkg-deb -x "$deb" "$unpacked" || fail "cannot unpack $deb"
    touch "$unpacked/.complete"
fi
vmlinuz="$(ls "$unpacked"/boot/vmlinuz-* | head -n 1)"
modules="$(ls -d "$unpacked"/lib/modules/* | head -n 1)"

# Modules in load order: the package has no modules.dep. USB gadget and host side, HID, then the
# 9p share of the host's root over virtio.
MODULES=(configfs usb-common usbcore udc-core libcomposite dummy_hcd usb_f_fs hid usbhid
    hid-generic virtio_ring virtio virtio_pci_legacy_dev virtio_pci_modern_dev virtio_pci netfs
    fscache 9pnet 9pnet_virtio 9p)

initramfs="$CACHE/initramfs.cpio"
staging="$CACHE/initramfs"
rm -rf "$staging"
mkdir -p "$staging"/{bin,dev,proc,sys,host,modules}
cp "$BUSYBOX" "$staging/bin/busybox"
ln -s busybox "$staging/bin/sh"
i=0
for m in "${MODULES[@]}"; do
    file="$(find "$modules" -name "$m.ko" -o -name "${m//-/_}.ko" | head -n 1)"
    [ -n "$file" ] || fail "module $m is not in $(basename "$deb")"
    cp "$file" "$staging/modules/$(printf '%02d' $i)-$m.ko"
    i=$((i + 1))
done

# The guest's first program: modules, the host's root, then the runner in it under a private
# session bus. Its last line tells the host how the runner ended.
cat >"$staging/init" <<INIT
#!/bin/sh
export PATH=/bin
busybox mount -t proc proc /proc
busybox mount -t sysfs sysfs /sys
busybox mount -t devtmpfs devtmpfs /dev
for m in /modules/*.ko; do
    busybox insmod "\$m" || echo "kx-guest: insmod \$m failed"
done
busybox mount -t 9p -o trans=virtio,version=9p2000.L,ro,cache=loose,msize=262144 hostroot /host ||
    echo "kx-guest: cannot mount the host's root"
for d in proc sys dev; do busybox mount --bind /\$d /host/\$d; done
busybox mount -t configfs configfs /host/sys/kernel/config
# The guest writes only to /run; /tmp stays the host's, read-only, as a build folder may be there.
busybox mount -t tmpfs -o mode=755 tmpfs /host/run
busybox mkdir -p /host/run/kx/tmp /host/run/kx/home /host/run/kx/bus
# A session bus whose socket lives there too (the stock one binds in /tmp).
cat >/host/run/kx/session.conf <<'CONF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=/run/kx/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
echo "kx-guest: up after \$(busybox cut -d' ' -f1 /proc/uptime) s"
busybox chroot /host /usr/bin/env -i PATH=/usr/bin:/bin:/usr/sbin:/sbin LANG=C.UTF-8 \
    HOME=/run/kx/home TMPDIR=/run/kx/tmp \
    /usr/bin/dbus-run-session --config-file=/run/kx/session.conf -- "$RUNNER" --gtest_filter="$FILTER"
echo "kx-guest: runner exit \$? after \$(busybox cut -d' ' -f1 /proc/uptime) s"
busybox sync
busybox poweroff -f
INIT
chmod 755 "$staging/init"
(cd "$staging" && find . | "$BUSYBOX" cpio -o -H newc >"$initramfs" 2>/dev/null)

log="$CACHE/console.log"
started=$(date +%s%N)
status=0
timeout --foreground "$GUEST_TIMEOUT" qemu-system-x86_64 -accel tcg -m 1536 -smp 2 \
    -nographic -no-reboot -nodefaults -serial stdio \
    -kernel "$vmlinuz" -initrd "$initramfs" \
    -append "console=ttyS0 quiet loglevel=3 panic=-1 rdinit=/init" \
    -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
    </dev/null 2>&1 | tr -d '\r' | sed -u 's/\x1bc//g; s/\x1b\[[0-9;?]*[A-Za-z]//g' |
    tee "$log" || status=$?
elapsed=$((($(date +%s%N) - started) / 100000000))
printf 'kernel-test: QEMU ran %d.%d s (wall time)\n' $((elapsed / 10)) $((elapsed % 10))

[ "$status" -ne 124 ] || fail "the guest did not finish in ${GUEST_TIMEOUT} s (see $log)"
[ "$status" -eq 0 ] || fail "QEMU failed (status $status, see $log)"
result="$(sed -n 's/^kx-guest: runner exit \([0-9]*\) .*/\1/p' "$log" | tail -n 1)"
[ -n "$result" ] || fail "the guest ended without the runner's result (see $log)"
[ "$result" -eq 0 ] || fail "the runner failed (exit $result)"
