#!/usr/bin/env bash
# Lets this machine run 32-bit x86 Linux code, which Wine's 32-bit loader is,
# where the kernel was booted without IA-32 emulation: it registers qemu's
# user-mode emulator (Debian's qemu-user-static) for i386 ELF files with
# binfmt_misc, so that the tests can run the 32-bit release itself.
#
# This changes the whole machine, for every user, until the next boot (undo
# it with: echo -1 > /proc/sys/fs/binfmt_misc/qemu-i386), and needs root.
# CI machines are thrown away after each run, so CI calls it; on your own
# machine run it only if you want the 32-bit scenario.  Where the kernel runs
# 32-bit code itself it does nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" run

binfmt=/proc/sys/fs/binfmt_misc
if [ -e "$binfmt/qemu-i386" ]; then
  echo "enable-i386-emulation: qemu-i386 is registered already"
  exit 0
fi
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "enable-i386-emulation: this kernel runs 32-bit code itself; nothing to do"
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "enable-i386-emulation: needs root" >&2
  exit 1
fi
echo "enable-i386-emulation: this kernel can't run 32-bit code; registering qemu-i386-static for i386 ELF files (binfmt_misc)"
if ! dpkg-query -W -f='${Status}\n' qemu-user-static 2>/dev/null | grep -q '^install ok installed$'; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends qemu-user-static >/dev/null
fi
[ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
# i386 ELF files (e_machine 3), executables and shared objects; flag F opens the
# emulator now, so it also works inside other mount namespaces.
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
echo ":qemu-i386:M::$magic:$mask:/usr/bin/qemu-i386-static:F" >"$binfmt/register"
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "enable-i386-emulation: done; Wine's 32-bit loader runs under emulation"
else
  echo "enable-i386-emulation: registered, but Wine's 32-bit loader still doesn't start" >&2
  exit 1
fi
