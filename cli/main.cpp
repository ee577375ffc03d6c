// Entry point of pixmora-cli.
#include <cstdio>

int main()
{
    std::puts("usage: pixmora-cli info|export|create ...");
    return 2;
}
