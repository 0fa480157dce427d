// Loads the DLL named on the command line, as a host would, and says whether that worked.
// Exit code 0: loaded; 1: LoadLibrary failed (its error is printed); 2: no argument.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HMODULE module = ::LoadLibraryA(argv[1]);
    if (!module) {
        std::printf("LoadLibrary failed, error %lu\n", ::GetLastError());
        return 1;
    }
    std::printf("loaded\n");
    ::FreeLibrary(module);
    return 0;
}
