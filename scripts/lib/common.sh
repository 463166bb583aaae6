# Shared paths and settings for the project's scripts.
ZEMU_ROOT=${ZEMU_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
ZEMU_BUILD="$ZEMU_ROOT/build"
export ZEMU_ROOT ZEMU_BUILD

# Some kernels run 64-bit user code only: there the 32-bit Wine loader cannot
# start at all (execve gives ENOEXEC), and only 64-bit Windows programs run.
zemu_can_run_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}
if [ -z "${ZEMU_WINE:-}" ]; then
  if zemu_can_run_32bit; then ZEMU_WINE=/usr/lib/wine/wine; else ZEMU_WINE=/usr/lib/wine/wine64; fi
  export ZEMU_WINE
fi
