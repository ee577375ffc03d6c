// SPDX-License-Identifier: GPL-3.0-or-later
// CCommandLineInfo: what the program was asked to do on its command line.
#pragma once

#include <QString>
#include <QStringList>

class CCommandLineInfo {
public:
    enum ShellCommand { FileNew, FileOpen, FileNothing };

    // Parses the arguments after the program name. A switch starts with '-' or '/'; the
    // switches "Embedding" and "Automation" (any case) clear the show-splash flag. Every
    // argument that is not a switch, and every one after "--", names a file to open.
    void Parse(const QStringList& arguments);

    ShellCommand m_nShellCommand = FileNew;
    bool m_bShowSplash = true;
    // The first file named; m_fileNames holds all of them, in order.
    QString m_strFileName;
    QStringList m_fileNames;
    bool m_bHelp = false; // -h, --help
    bool m_bVersion = false; // -v, --version
    // --data-files: report where the run-time data files are found.
    bool m_bDataFiles = false;
    // Switches nobody knows, reported to the user.
    QStringList m_unknownSwitches;

private:
    void AddFileName(const QString& name);
};
