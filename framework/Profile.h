// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store: integers and strings addressed by section and entry.
//
// The store lives under the registry key set with SetRegistryKey and the application title
// (AfxGetAppTitle), i.e. QSettings(key, title); on Linux that is
// $XDG_CONFIG_HOME/<key>/<title>.conf. Sections and entries may contain spaces.
//
// Every call opens the store, so a write is on disk when the call returns and a later start
// (or another QSettings instance) sees it. A damaged or unreadable file never stops the
// program: a value that cannot be read as the asked type gives the default, and serialized
// values (which this store never writes, and which QSettings would decode trusting their
// sizes) are taken out of the file before it is read.
#pragma once

#include <QString>

// Sets the key under which the store lives ("vrek" for this program, which is also the
// key in force before the call).
void SetRegistryKey(const QString& key);
QString GetRegistryKey();

// The file that holds the store on this platform.
QString ProfileFileName();

// The stored integer, or defaultValue when the entry is absent or does not hold a decimal
// 32-bit integer. Stored values are otherwise returned unchanged (negative ones included).
int GetProfileInt(const QString& section, const QString& entry, int defaultValue);
// The stored string, or defaultValue when the entry is absent or holds no text.
QString GetProfileString(
    const QString& section, const QString& entry, const QString& defaultValue = QString());

// Writes return false when the store could not be written. WriteProfileString with a null
// value removes the entry, and with a null entry removes the whole section.
bool WriteProfileInt(const QString& section, const QString& entry, int value);
bool WriteProfileString(const QString& section, const QString& entry, const QString& value);
