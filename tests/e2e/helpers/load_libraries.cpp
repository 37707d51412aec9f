// Test helper: loads the named system libraries and ends with code 0. Its run time is what
// starting any program with those imports costs, the floor for "ends at once".
//   load_libraries comctl32 ole32 ...
#include <windows.h>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (!LoadLibraryA(argv[i])) return 1;
    return 0;
}
