// Test helper: does nothing until it is ended. Copied under chosen names, it stands in
// for the programs a list of names would terminate.
#include <windows.h>

int main() {
    Sleep(INFINITE);
    return 0;
}
