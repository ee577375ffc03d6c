// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/CommandLineInfo.h"

namespace {
bool IsSwitch(const QString& arg)
{
    // "/path/to/file.ico" is a file, not a switch: a switch after '/' has no further slash.
    if (arg.startsWith(QLatin1Char('-')))
        return arg.size() > 1;
    return arg.startsWith(QLatin1Char('/')) && arg.size() > 1
        && !arg.mid(1).contains(QLatin1Char('/')) && !arg.contains(QLatin1Char('.'));
}
}

void CCommandLineInfo::Parse(const QStringList& arguments)
{
    bool switchesEnded = false;
    for (const QString& arg : arguments) {
        if (switchesEnded || !IsSwitch(arg)) {
            AddFileName(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            // Whatever follows is a file, even "-name.ico".
            switchesEnded = true;
            continue;
        }
        QString name = arg;
        while (name.startsWith(QLatin1Char('-')) || name.startsWith(QLatin1Char('/')))
            name.remove(0, 1);
        if (name.compare(QLatin1String("Embedding"), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1String("Automation"), Qt::CaseInsensitive) == 0)
            m_bShowSplash = false;
        else if (name == QLatin1String("help") || name == QLatin1String("h"))
            m_bHelp = true;
        else if (name == QLatin1String("version") || name == QLatin1String("v"))
            m_bVersion = true;
        else if (name == QLatin1String("data-files"))
            m_bDataFiles = true;
        else
            m_unknownSwitches << arg;
    }
}

void CCommandLineInfo::AddFileName(const QString& name)
{
    if (m_strFileName.isEmpty()) {
        m_strFileName = name;
        m_nShellCommand = FileOpen;
    }
    m_fileNames << name;
}
