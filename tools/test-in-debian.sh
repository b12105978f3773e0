#!/usr/bin/env bash
# test-in-debian.sh SUITE [COMMAND...]: runs the README's test command (or
# COMMAND, from the top of the tree) on a fresh clone of this repository's
# last commit inside a minimal Debian root of SUITE (bookworm, trixie, ...),
# as a new user's machine would have it: debootstrap's minimal variant plus
# git.  The root is kept under out/debian-SUITE, so a second run installs
# nothing again; the clone is made anew each time.  Needs root (debootstrap,
# chroot, mounts); everything it mounts is unmounted on every exit.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${ORVANE_OUT:-$top/out}
suite=${1:?usage: test-in-debian.sh SUITE [COMMAND...]}
shift
[ $# -gt 0 ] || set -- ./scripts/test.sh
if [ "$(id -u)" -ne 0 ]; then
  echo "test-in-debian: needs root (debootstrap, chroot, mount)" >&2
  exit 1
fi
dir=$out/debian-$suite
mkdir -p "$out"
dir=$(cd "$out" && pwd)/debian-$suite

# Mount points below the root, deepest first.
mounts_below() {
  findmnt -rn -o TARGET | awk -v d="$dir" '$0 == d || index($0, d "/") == 1' | sort -r
}

# Ends every process whose root is inside the root, then unmounts.
leave_root() {
  local p pid
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$dir" ] || continue
    pid=${p#/proc/}
    kill -9 "$pid" 2>/dev/null || true
  done
  sleep 0.2
  local m
  for m in $(mounts_below); do
    umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
  done
  if [ -n "$(mounts_below)" ]; then
    echo "test-in-debian: still mounted below $dir:" >&2
    mounts_below >&2
    return 1
  fi
}
trap leave_root EXIT

# A root left mounted by a run that was killed must not be deleted through
# its mounts.
leave_root

# The host's Debian mirror, where its sources name one; debootstrap's own
# default otherwise.
host_mirror() {
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
    grep -oE 'https?://[^ ]+/debian/?( |$)' | grep -v security | head -n1 | tr -d ' ' || true
}

if [ ! -f "$dir/.orvane-root-ready" ]; then
  if ! command -v debootstrap >/dev/null 2>&1; then
    echo "test-in-debian: installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
  fi
  rm -rf "$dir"
  echo "test-in-debian: making a minimal Debian $suite root in $dir"
  started=$(date +%s)
  # shellcheck disable=SC2046
  debootstrap --variant=minbase --include=git,ca-certificates "$suite" "$dir" $(host_mirror) \
    >"$out/debootstrap-$suite.log" 2>&1 || {
    tail -20 "$out/debootstrap-$suite.log" >&2
    exit 1
  }
  touch "$dir/.orvane-root-ready"
  echo "test-in-debian: root made in $(($(date +%s) - started)) s"
fi

mount -t proc proc "$dir/proc"
mount --rbind /dev "$dir/dev" && mount --make-rslave "$dir/dev"
mount --rbind /sys "$dir/sys" && mount --make-rslave "$dir/sys"
# A qemu handler registered for 32-bit code is the machine's; the scripts
# inside look for it here.
if [ -e /proc/sys/fs/binfmt_misc/register ]; then
  mount -t binfmt_misc binfmt_misc "$dir/proc/sys/fs/binfmt_misc"
fi
chmod 1777 "$dir/tmp"
cp /etc/resolv.conf "$dir/etc/resolv.conf"

rm -rf "$dir/work/orvane"
mkdir -p "$dir/work"
git clone --quiet "$top" "$dir/work/orvane"
echo "test-in-debian: Debian $suite ($(cat "$dir/etc/debian_version")), running: $*"
started=$(date +%s)
status=0
# In the background, so that a signal to this script is handled at once (the
# exit trap then ends everything in the root) rather than after the command.
chroot "$dir" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb \
  LANG=C.UTF-8 CI="${CI:-}" ${ORVANE_FUZZ_SECONDS:+ORVANE_FUZZ_SECONDS=$ORVANE_FUZZ_SECONDS} \
  /bin/bash -c 'cd /work/orvane && exec "$@"' bash "$@" </dev/null &
trap 'exit 143' TERM INT HUP
wait $! || status=$?
echo "test-in-debian: Debian $suite: exit $status after $(($(date +%s) - started)) s"
exit $status
