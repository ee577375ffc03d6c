// SPDX-License-Identifier: GPL-3.0-or-later
// Gives a test an empty settings store and removes whatever it wrote afterwards, so tests do
// not see each other's settings when the whole suite runs in one process.
#pragma once

#include "framework/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class FreshProfile {
public:
    FreshProfile() { Clear(); }
    ~FreshProfile() { Clear(); }
    FreshProfile(const FreshProfile&) = delete;
    FreshProfile& operator=(const FreshProfile&) = delete;

    // Replaces the store's file with raw bytes, as a damaged or hand-edited file would be.
    [[nodiscard]] static bool WriteRawFile(const QByteArray& bytes)
    {
        const QString path = ProfileFileName();
        QFile file(path);
        return QDir().mkpath(QFileInfo(path).absolutePath())
            && file.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && file.write(bytes) == bytes.size() && (ReloadProfile(), true);
    }

    // No file and nothing unwritten: what a first start sees.
    static void Clear()
    {
        QFile::remove(ProfileFileName());
        ReloadProfile();
    }
};
