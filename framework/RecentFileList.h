// SPDX-License-Identifier: GPL-3.0-or-later
// CRecentFileList: the most recently used files, newest first, kept in the settings store
// under section "Recent File List", entries File1, File2, ...
#pragma once

#include <QStringList>

class CRecentFileList {
public:
    explicit CRecentFileList(int size);

    void ReadList();
    void WriteList() const;
    // Puts path first, removing an older entry for the same file.
    void Add(const QString& path);
    void Remove(int index);
    const QStringList& Files() const { return m_files; }

private:
    int m_nSize;
    QStringList m_files;
};
