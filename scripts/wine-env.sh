# Sourced by the run and test scripts: where things are built, which Wine
# loader runs them, and a virtual display when there is no real one.
#
# The product is the 32-bit program.  Where the kernel can't run 32-bit Linux
# code (some kernels ship with IA-32 emulation switched off), Wine's 32-bit
# loader can't start either; the scripts then run the 64-bit build of the same
# sources under wine64 instead, and say so.

ORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ORVANE_OUT=${ORVANE_OUT:-$ORVANE_ROOT/out}
ORVANE_EXE_NAME="Orvane窗口置顶工具V2.0.exe"

# How this machine runs 32-bit x86 code: native, emulated (qemu-user through
# binfmt_misc) or none.
orvane_i386() {
  if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] &&
     head -n1 /proc/sys/fs/binfmt_misc/qemu-i386 | grep -qx enabled; then
    echo emulated
  elif [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo native
  else
    echo none
  fi
}

# Picks the Wine loader: sets ORVANE_ARCH (win32 or win64), ORVANE_I386,
# WINELOADER, WINESERVER.  Under emulation Wine's 32-bit loader answers, but
# a pure 32-bit prefix never finishes booting (and every 32-bit process takes
# minutes to start), so the suite runs the 64-bit build then, as where no
# 32-bit code runs at all; only the release scenario starts the 32-bit file.
orvane_pick_wine() {
  ORVANE_I386=$(orvane_i386)
  export ORVANE_I386
  if [ "$ORVANE_I386" = native ]; then
    ORVANE_ARCH=win32
    export WINELOADER=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
    [ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
  else
    ORVANE_ARCH=win64
    export WINELOADER=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    [ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver
  fi
  export WINEARCH=$ORVANE_ARCH WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

orvane_toolchain() {  # the CMake toolchain file for an arch
  if [ "$1" = win32 ]; then echo "$ORVANE_ROOT/cmake/mingw-i686.cmake"; else echo "$ORVANE_ROOT/cmake/mingw-x86_64.cmake"; fi
}

# A Chinese locale for Wine (GBK code page, file names in UTF-8) without
# touching the system's locales.
orvane_locale() {
  local dir=$ORVANE_OUT/locale
  if [ ! -d "$dir/zh_CN.UTF-8" ]; then
    mkdir -p "$dir"
    localedef -i zh_CN -f UTF-8 "$dir/zh_CN.UTF-8" >/dev/null 2>&1 || true
  fi
  export LOCPATH=$dir
}

# Runs a Windows program with the Chinese locale.
orvane_wine() {
  LC_ALL=zh_CN.UTF-8 "$WINELOADER" "$@"
}

# Makes (once) a Wine prefix at $1 with fonts pinned for repeatable screens.
orvane_prefix() {
  export WINEPREFIX=$1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    orvane_wine wineboot -i >/dev/null 2>&1 || true
    local face
    for face in 宋体 仿宋; do
      orvane_wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "AR PL UMing CN" /f >/dev/null 2>&1
    done
    for face in 楷体 隶书; do
      orvane_wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "AR PL UKai CN" /f >/dev/null 2>&1
    done
    orvane_wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 幼圆 /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
    "$WINESERVER" -w
  fi
}

# Starts Xvfb and a window manager on a free display when $DISPLAY is unset
# (or when $1 is "virtual"), of the size ORVANE_SCREEN gives (1024x768 if
# unset) and ORVANE_DEPTH's bits a pixel (24); notes them in
# ORVANE_DISPLAY_PIDS for orvane_stop_display, which ends every one.
orvane_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != virtual ]; then
    return 0
  fi
  local n=90 i try
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 "${ORVANE_SCREEN:-1024x768}x${ORVANE_DEPTH:-24}" -nolisten tcp >/dev/null 2>&1 &
  ORVANE_XVFB_PID=$!
  ORVANE_DISPLAY_PIDS="$ORVANE_XVFB_PID ${ORVANE_DISPLAY_PIDS:-}"
  export DISPLAY=":$n"
  # Up when it answers; a server that never does is an error, not a slow test.
  for i in $(seq 300); do
    xdpyinfo >/dev/null 2>&1 && break
    kill -0 "$ORVANE_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  if ! xdpyinfo >/dev/null 2>&1; then
    echo "orvane_display: Xvfb on :$n does not answer" >&2
    return 1
  fi
  # Without a window manager every hide takes Wine two seconds and the
  # scenarios time out: never go on without one.
  mkdir -p "$ORVANE_OUT/openbox-home"
  local log=$ORVANE_OUT/openbox-home/openbox.err
  for try in 1 2 3; do
    HOME=$ORVANE_OUT/openbox-home openbox --sm-disable \
      --config-file "$ORVANE_ROOT/scripts/openbox-rc.xml" >"$log" 2>&1 &
    ORVANE_WM_PID=$!
    ORVANE_DISPLAY_PIDS="$ORVANE_WM_PID $ORVANE_DISPLAY_PIDS"
    for i in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id #' && break 2
      kill -0 "$ORVANE_WM_PID" 2>/dev/null || break
      sleep 0.1
    done
    echo "orvane_display: openbox did not start on :$n (try $try): $(head -c 300 "$log")" >&2
    kill "$ORVANE_WM_PID" 2>/dev/null || true
    wait "$ORVANE_WM_PID" 2>/dev/null || true
    ORVANE_WM_PID=
    sleep 0.5
  done
  if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id #'; then
    echo "orvane_display: no window manager on :$n" >&2
    return 1
  fi
  # The pointer starts in the middle of the screen, where it would lie on the
  # program's window and its moves would be events.
  xdotool mousemove 1010 750 2>/dev/null || true
}

# Ends what orvane_display started, and waits until it is gone, so the next
# display can't meet a server that is still shutting down.
orvane_stop_display() {
  [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k >/dev/null 2>&1 || true
  local prefix pid
  for prefix in ${ORVANE_DPI_PREFIX:-} ${ORVANE_16BIT_PREFIX:-}; do
    WINEPREFIX=$prefix "$WINESERVER" -k >/dev/null 2>&1 || true
  done
  for pid in ${ORVANE_DISPLAY_PIDS:-}; do
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  done
  return 0
}

# Configures and builds the Windows program for an arch into $ORVANE_OUT/$1:
# everything (the end-to-end driver, the bench), or only target $2.
orvane_build_windows() {
  local arch=$1 target=${2:-all}
  cmake -S "$ORVANE_ROOT" -B "$ORVANE_OUT/$arch" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$(orvane_toolchain "$arch")" \
    -DORVANE_PRODUCT_EXE="$ORVANE_OUT/win32/$ORVANE_EXE_NAME" >/dev/null
  cmake --build "$ORVANE_OUT/$arch" --target "$target"
}

# Installs what is missing, picks the Wine loader, then builds.  Everything
# (no target): the 32-bit build, the release, which the end-to-end suite
# starts too, and, where only wine64 runs the program, the 64-bit build as
# well.  Only target $1 (run.sh wants the program alone): in the one build
# that Wine will run, so an emulated or missing 32-bit kernel costs no
# 32-bit build.  Sets ORVANE_PROGRAM to the .exe that Wine will run.
orvane_build_for_wine() {
  local target=${1:-all}
  "$ORVANE_ROOT/scripts/install-deps.sh" run
  orvane_pick_wine  # after the install: it asks the 32-bit loader
  if [ "$target" = all ] || [ "$ORVANE_ARCH" = win32 ]; then
    orvane_build_windows win32 "$target"
  fi
  if [ "$ORVANE_ARCH" != win32 ]; then
    echo "(32-bit code runs $ORVANE_I386 here: Wine runs the 64-bit build of the same sources under wine64)"
    orvane_build_windows win64 "$target"
  fi
  ORVANE_PROGRAM="$ORVANE_OUT/$ORVANE_ARCH/$ORVANE_EXE_NAME"
}
