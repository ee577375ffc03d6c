// SPDX-License-Identifier: GPL-3.0-or-later
// The per-user settings store: integers and strings addressed by section and entry.
//
// The store lives under the registry key set with SetRegistryKey and the application title
// (AfxGetAppTitle), i.e. QSettings(key, title); on Linux that is
// $XDG_CONFIG_HOME/<key>/<title>.conf. Sections and entries may contain spaces.
//
// The file is read once, when the store is first used, and kept in memory; writes change that
// copy and reach the disk with FlushProfile (at exit, after the preferences dialog's OK, when
// the recent-file list changes), which replaces the file atomically. A file that someone else
// replaced in the meantime is read again before the next use, with this run's unwritten
// changes laid over it.
//
// A damaged or unreadable file never stops the program: a value that cannot be read as the
// asked type gives the default; serialized values (which this store never writes) and lines
// that are not entries are left out and disappear with the next write; a store that is not a
// regular file (a FIFO, a directory) is not read at all, gives every default and is never
// replaced.
#pragma once

#include <QString>

// Sets the key under which the store lives ("vrek" for this program, which is also the
// key in force before the call).
void SetRegistryKey(const QString& key);

// The file that holds the store on this platform.
QString ProfileFileName();

// The stored integer, or defaultValue when the entry is absent or does not hold a decimal
// 32-bit integer. Stored values are otherwise returned unchanged (negative ones included).
int GetProfileInt(const QString& section, const QString& entry, int defaultValue);
// The stored string, or defaultValue when the entry is absent or holds no text.
QString GetProfileString(
    const QString& section, const QString& entry, const QString& defaultValue = QString());

// Writes change the store in memory; they return false when the store is not a file that can
// be read and written (see above), and FlushProfile tells whether they reached the disk.
// WriteProfileString with a null value removes the entry, and with a null entry removes the
// whole section.
bool WriteProfileInt(const QString& section, const QString& entry, int value);
bool WriteProfileString(const QString& section, const QString& entry, const QString& value);

// Writes the changes made since the last flush; true when the file holds them (also when there
// was nothing to write). On failure the file is left as it was and the changes stay pending.
bool FlushProfile();

// Forgets the changes not yet written and reads the file again at the next use.
void ReloadProfile();
