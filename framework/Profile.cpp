#include "framework/Profile.h"

#include "framework/Platform.h"

#include <QSettings>
#include <QStringList>

#include <optional>

namespace {

QString& registryKey()
{
    static QString key = QStringLiteral("vrek");
    return key;
}

// NativeFormat is the registry on Windows and the INI-style .conf file on Linux; a store
// object per call keeps every write synchronous (the destructor syncs).
class Store {
public:
    explicit Store(const QString& section)
        : m_settings(QSettings::NativeFormat, QSettings::UserScope, registryKey(), AfxGetAppTitle())
    {
        if (!section.isNull())
            m_settings.beginGroup(section);
    }
    QSettings* operator->() { return &m_settings; }

    bool Written()
    {
        m_settings.sync();
        // A file that was partly unreadable reports FormatError but is still rewritten.
        return m_settings.status() != QSettings::AccessError;
    }

private:
    QSettings m_settings;
};

// A hand-edited value with commas comes back as a list; the text is what the user typed.
// Values of other kinds (a damaged "@Rect(...)" for example) are not text.
std::optional<QString> textOf(const QVariant& value)
{
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1String(", "));
    if (value.canConvert<QString>())
        return value.toString();
    return std::nullopt;
}

} // namespace

void SetRegistryKey(const QString& key) { registryKey() = key; }
QString GetRegistryKey() { return registryKey(); }

QString ProfileFileName() { return Store(QString())->fileName(); }

int GetProfileInt(const QString& section, const QString& entry, int defaultValue)
{
    const std::optional<QString> text = textOf(Store(section)->value(entry));
    if (!text)
        return defaultValue;
    bool ok = false;
    const int number = text->trimmed().toInt(&ok, 10);
    return ok ? number : defaultValue;
}

QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue)
{
    return textOf(Store(section)->value(entry)).value_or(defaultValue);
}

bool WriteProfileInt(const QString& section, const QString& entry, int value)
{
    Store store(section);
    store->setValue(entry, value);
    return store.Written();
}

bool WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    if (entry.isNull()) {
        Store store { QString() };
        store->remove(section);
        return store.Written();
    }
    Store store(section);
    if (value.isNull())
        store->remove(entry);
    else
        store->setValue(entry, value);
    return store.Written();
}
