// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of a command-line tool on our platform: a program that loads QtCore, turns its
// last argument into a QString and prints its length. The export benchmark runs it beside
// pixmora-cli and icotool, so the share of the tool's time that is QtCore's own loading (its
// libraries and their relocations) can be told from the share that is the tool's.
#include <QString>
#include <cstdio>

int main(int argc, char** argv)
{
    const QString last = QString::fromLocal8Bit(argv[argc - 1]);
    std::printf("%d\n", int(last.size()));
    return 0;
}
