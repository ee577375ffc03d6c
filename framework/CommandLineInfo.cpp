// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/CommandLineInfo.h"

namespace {
bool IsSwitch(const QString& arg)
{
    // "/path/to/file.ico" is a file, not a switch: a switch after '/' has no further slash.
    if (arg.startsWith(QLatin1Char('-')))
        return arg.size() > 1;
    return arg.startsWith(QLatin1Char('/')) && arg.size() > 1 && !arg.mid(1).contains(QLatin1Char('/'))
        && !arg.contains(QLatin1Char('.'));
}
}

void CCommandLineInfo::Parse(const QStringList& arguments)
{
    for (const QString& arg : arguments) {
        if (!IsSwitch(arg)) {
            if (m_strFileName.isEmpty()) {
                m_strFileName = arg;
                m_nShellCommand = FileOpen;
            }
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
        else if (name == QLatin1String("version"))
            m_bVersion = true;
        else
            m_unknownSwitches << arg;
    }
}
