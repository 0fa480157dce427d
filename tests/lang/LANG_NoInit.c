// A language module whose entry point refuses every load: its version is right, yet
// LoadLibrary fails.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance;
    (void)reason;
    (void)reserved;
    return FALSE;
}
