// Entry point of the editor.
#include <cstdio>

int main()
{
    std::puts("The editor window is not built yet; use pixmora-cli for icon files.");
    return 0;
}
