// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Profile.h"

#include "framework/AtomicFileWriter.h"
#include "framework/IniText.h"
#include "framework/Platform.h"
#include "framework/StoreFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Far more than the handful of entries the program keeps; a larger file is not ours.
constexpr qint64 kLargestStore = 1 << 20;

QString& registryKey()
{
    static QString key = QStringLiteral("vrek");
    return key;
}

QString StoreFileName()
{
    return QStringLiteral("%1/%2/%3.conf")
        .arg(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), registryKey(),
            AfxGetAppTitle());
}

// One write or removal, kept until it reaches the disk so it can be laid over a file that
// another process replaced meanwhile. A null entry removes the whole section, a null value the
// entry.
struct Change {
    QString section;
    QString entry;
    QString value;
};

void Apply(std::vector<IniSection>& sections, const Change& change)
{
    auto section = std::find_if(sections.begin(), sections.end(),
        [&change](const IniSection& s) { return s.name == change.section; });
    if (change.entry.isNull()) {
        if (section != sections.end())
            sections.erase(section);
        return;
    }
    if (section == sections.end()) {
        if (change.value.isNull())
            return;
        section = sections.insert(sections.end(), IniSection { change.section, {} });
    }
    auto& entries = section->entries;
    const auto entry = std::find_if(entries.begin(), entries.end(),
        [&change](const auto& e) { return e.first == change.entry; });
    if (change.value.isNull()) {
        if (entry != entries.end())
            entries.erase(entry);
    } else if (entry != entries.end()) {
        entry->second = change.value;
    } else {
        entries.emplace_back(change.entry, change.value);
    }
}

class ProfileStore {
public:
    static ProfileStore& Instance()
    {
        static ProfileStore store;
        return store;
    }

    std::optional<QString> Value(const QString& section, const QString& entry)
    {
        Refresh();
        for (const IniSection& s : m_sections) {
            if (s.name != section)
                continue;
            for (const auto& [key, value] : s.entries) {
                if (key == entry)
                    return value;
            }
        }
        return std::nullopt;
    }

    bool Change(const ::Change& change)
    {
        Refresh();
        m_changes.push_back(change);
        Apply(m_sections, change);
        return m_readable;
    }

    bool Flush()
    {
        Refresh();
        if (!m_readable)
            return m_changes.empty();
        const QByteArray bytes = FormatIni(m_sections);
        if (bytes == m_onDisk && (m_identity.exists || bytes.isEmpty())) {
            m_changes.clear();
            return true;
        }
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath()) || !WriteFileAtomically(m_path, bytes))
            return false;
        m_onDisk = bytes;
        m_identity = IdentityOf(m_path);
        m_changes.clear();
        return true;
    }

    void Reload()
    {
        m_changes.clear();
        m_loaded = false;
    }

private:
    // Reads the file at the first use, after the key changed, or when it is no longer the
    // version last read or written here.
    void Refresh()
    {
        const QString path = StoreFileName();
        if (m_loaded && path == m_path && IdentityOf(path) == m_identity)
            return;
        m_path = path;
        const StoreFileContents contents = ReadStoreFile(path, kLargestStore);
        m_identity = contents.identity;
        m_readable = contents.state != StoreFileContents::State::Unreadable;
        IniDocument document = ParseIni(contents.bytes);
        m_sections = std::move(document.sections);
        // A damaged file compares unequal to anything written, so the next flush repairs it.
        m_onDisk = document.damaged ? QByteArray("\n") : FormatIni(m_sections);
        for (const ::Change& change : m_changes)
            Apply(m_sections, change);
        m_loaded = true;
    }

    bool m_loaded = false;
    bool m_readable = true;
    QString m_path;
    FileIdentity m_identity;
    QByteArray m_onDisk;
    std::vector<IniSection> m_sections;
    std::vector<::Change> m_changes;
};

} // namespace

void SetRegistryKey(const QString& key) { registryKey() = key; }

QString ProfileFileName() { return StoreFileName(); }

int GetProfileInt(const QString& section, const QString& entry, int defaultValue)
{
    const std::optional<QString> text = ProfileStore::Instance().Value(section, entry);
    if (!text)
        return defaultValue;
    bool ok = false;
    const int number = text->trimmed().toInt(&ok, 10);
    return ok ? number : defaultValue;
}

QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue)
{
    return ProfileStore::Instance().Value(section, entry).value_or(defaultValue);
}

bool WriteProfileInt(const QString& section, const QString& entry, int value)
{
    return ProfileStore::Instance().Change({ section, entry, QString::number(value) });
}

bool WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    return ProfileStore::Instance().Change({ section, entry, entry.isNull() ? QString() : value });
}

bool FlushProfile() { return ProfileStore::Instance().Flush(); }

void ReloadProfile() { ProfileStore::Instance().Reload(); }
