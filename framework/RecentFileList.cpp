// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/RecentFileList.h"

#include "framework/Profile.h"

#include <QFileInfo>

namespace {
const QString kSection = QStringLiteral("Recent File List");
QString EntryName(int i) { return QStringLiteral("File%1").arg(i + 1); }
}

CRecentFileList::CRecentFileList(int size)
    : m_nSize(size)
{
}

void CRecentFileList::ReadList()
{
    m_files.clear();
    for (int i = 0; i < m_nSize; ++i) {
        const QString path = GetProfileString(kSection, EntryName(i));
        if (!path.isEmpty())
            m_files << path;
    }
}

void CRecentFileList::WriteList() const
{
    for (int i = 0; i < m_nSize; ++i)
        WriteProfileString(kSection, EntryName(i), i < m_files.size() ? m_files[i] : QString());
    // On disk at once, so the list survives a crash or a killed session.
    FlushProfile();
}

void CRecentFileList::Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > m_nSize)
        m_files.removeLast();
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}
