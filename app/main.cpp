// Entry point of zemu-colortext.exe. The command line is not used.
#include <windows.h>

#include <cstdlib>

#include "app/program.h"

// libstdc++'s default terminate handler prints the demangled exception type,
// which links in about 40 KiB of demangler. A GUI program has no console to
// print to, so a plain abort serves; defining the handler here keeps the
// library's one, and the demangler, out of the exe.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return zemu::RunProgram(instance, zemu::MainLayout(), MessageBoxA);
}
