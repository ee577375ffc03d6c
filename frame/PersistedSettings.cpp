// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/PersistedSettings.h"

#include "framework/Profile.h"

int ReadSetting(const PersistedSetting& setting)
{
    return ReadSetting(setting, setting.defaultValue);
}

int ReadSetting(const PersistedSetting& setting, int defaultValue)
{
    return GetProfileInt(
        QString::fromLatin1(setting.section), QString::fromLatin1(setting.key), defaultValue);
}

void WriteSetting(const PersistedSetting& setting, int value)
{
    WriteProfileInt(QString::fromLatin1(setting.section), QString::fromLatin1(setting.key), value);
}
