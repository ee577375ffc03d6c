// SPDX-License-Identifier: GPL-3.0-or-later
// CCommandLineInfo: what the program was asked to do on its command line.
#pragma once

#include <QString>
#include <QStringList>

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FileNothing };

    // Parses the arguments after the program name. A switch starts with '-' or '/'; the
    // switches "Embedding" and "Automation" (any case) clear the show-splash flag. The first
    // argument that is not a switch names the file to open.
    void Parse(const QStringList& arguments);

    ShellCommand m_nShellCommand = FileNew;
    bool m_bShowSplash = true;
    QString m_strFileName;
    bool m_bHelp = false;
    bool m_bVersion = false;
    // Switches nobody knows, reported to the user.
    QStringList m_unknownSwitches;
};
