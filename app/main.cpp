// Entry point of zemu-colortext.exe. The command line is not used.
#include <windows.h>

#include "app/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return zemu::RunProgram(instance, zemu::MainLayout(), MessageBoxA);
}
