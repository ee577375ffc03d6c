// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Profile.h"

#include "framework/Platform.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace {

QString& registryKey()
{
    static QString key = QStringLiteral("vrek");
    return key;
}

QString StoreFileName()
{
    // Opening the store only splits the file into sections; no value is decoded yet.
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, registryKey(), AfxGetAppTitle())
        .fileName();
}

int DigitValue(char c, int base)
{
    const int value = c >= '0' && c <= '9' ? c - '0'
        : c >= 'a' && c <= 'f'             ? c - 'a' + 10
        : c >= 'A' && c <= 'F'             ? c - 'A' + 10
                                           : base;
    return value < base ? value : -1;
}

// The value of an INI line with QSettings' escapes resolved (\x hex, \ octal, \ and a
// character, backslash-newline continuation), enough to see what QSettings will decode.
QByteArray UnescapedValue(QByteArrayView value)
{
    QByteArray text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char c = value[++i];
        if (c == '\n')
            continue;
        const int base = c == 'x' ? 16 : 8;
        if (base == 8 && DigitValue(c, 8) < 0) {
            text += c;
            continue;
        }
        int code = base == 8 ? c - '0' : 0;
        while (i + 1 < value.size() && DigitValue(value[i + 1], base) >= 0 && code <= 0xFFFF)
            code = code * base + DigitValue(value[++i], base);
        text += code < 0x100 ? char(code) : '?';
    }
    return text;
}

// QSettings decodes an element of a value (the value, or one of its comma-separated parts)
// that starts with "@Variant(", past spaces and quotes; "@@" at the start escapes plain text.
bool DecodesAsVariant(const QByteArray& value)
{
    for (qsizetype at = value.indexOf("@Variant("); at >= 0;
         at = value.indexOf("@Variant(", at + 1)) {
        qsizetype before = at - 1;
        while (
            before >= 0 && (value[before] == ' ' || value[before] == '\t' || value[before] == '"'))
            --before;
        if (before < 0 || value[before] == ',')
            return true;
    }
    return false;
}

// The file's lines (ended by CR, LF or both), a line continued with a trailing backslash
// kept together with the next.
std::vector<QByteArray> LogicalLines(QByteArray bytes)
{
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    std::vector<QByteArray> lines;
    QByteArray line;
    for (const QByteArray& physical : bytes.split('\n')) {
        line += physical;
        if (physical.endsWith('\\')) {
            line += '\n';
            continue;
        }
        lines.push_back(std::exchange(line, {}));
    }
    return lines;
}

// QSettings decodes a value written as "@Variant(...)" with QDataStream, which trusts the
// element counts it reads: a damaged one asks for gigabytes and ends the program. This store
// only ever writes integers and text (text that starts with "@" is written as "@@"), so such
// a value is damage. Its line is taken out of the file before QSettings reads it. False when
// a damaged file could not be repaired, and must not be read at all.
bool RemoveSerializedVariants()
{
    const QString fileName = StoreFileName();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray bytes = file.readAll();
    file.close();
    // The marker needs an "@", written as it is or escaped with a backslash.
    if (!bytes.contains('@') && !bytes.contains('\\'))
        return true;
    QByteArrayList kept;
    bool damaged = false;
    for (const QByteArray& line : LogicalLines(bytes)) {
        const qsizetype equals = line.indexOf('=');
        if (equals >= 0
            && DecodesAsVariant(UnescapedValue(QByteArrayView(line).sliced(equals + 1))))
            damaged = true;
        else
            kept.push_back(line);
    }
    if (!damaged)
        return true;
    const QByteArray repairedBytes = kept.join('\n');
    QSaveFile repaired(fileName);
    return repaired.open(QIODevice::WriteOnly)
        && repaired.write(repairedBytes) == repairedBytes.size() && repaired.commit();
}

// The store's sections and entries have spaces in their names ("Recent File List", "anti
// alias"). QSettings writes them as %20, which reads back the same through QSettings but not for
// anyone who opens the file; it also reads them written plainly, so they are written plainly.
void WriteNamesPlainly(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    file.close();
    if (!bytes.contains("%20"))
        return;
    QByteArrayList lines = bytes.split('\n');
    for (QByteArray& line : lines) {
        const qsizetype equals = line.indexOf('=');
        const qsizetype nameEnd = line.startsWith('[') ? line.size() : equals;
        if (nameEnd > 0)
            line = line.left(nameEnd).replace("%20", " ") + line.mid(nameEnd);
    }
    QSaveFile out(fileName);
    if (out.open(QIODevice::WriteOnly)) {
        out.write(lines.join('\n'));
        out.commit();
    }
}

// NativeFormat is the registry on Windows and the INI-style .conf file on Linux; a store
// object per call keeps every write synchronous (the destructor syncs).
class Store {
public:
    explicit Store(const QString& section)
        : m_readable(RemoveSerializedVariants())
        , m_settings(QSettings::NativeFormat, QSettings::UserScope, registryKey(), AfxGetAppTitle())
    {
        if (!section.isNull())
            m_settings.beginGroup(section);
    }
    // A damaged file that could not be repaired is neither read nor written: QSettings would
    // decode every value of it before writing.
    QVariant Value(const QString& entry) const
    {
        return m_readable ? m_settings.value(entry) : QVariant();
    }
    bool Set(const QString& entry, const QVariant& value)
    {
        if (m_readable)
            m_settings.setValue(entry, value);
        return Written();
    }
    bool Remove(const QString& key)
    {
        if (m_readable)
            m_settings.remove(key);
        return Written();
    }

private:
    bool Written()
    {
        if (!m_readable)
            return false;
        m_settings.sync();
        WriteNamesPlainly(m_settings.fileName());
        // A file that was partly unreadable reports FormatError but is still rewritten.
        return m_settings.status() != QSettings::AccessError;
    }

    bool m_readable;
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

QString ProfileFileName() { return StoreFileName(); }

int GetProfileInt(const QString& section, const QString& entry, int defaultValue)
{
    const std::optional<QString> text = textOf(Store(section).Value(entry));
    if (!text)
        return defaultValue;
    bool ok = false;
    const int number = text->trimmed().toInt(&ok, 10);
    return ok ? number : defaultValue;
}

QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue)
{
    return textOf(Store(section).Value(entry)).value_or(defaultValue);
}

bool WriteProfileInt(const QString& section, const QString& entry, int value)
{
    return Store(section).Set(entry, value);
}

bool WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    if (entry.isNull())
        return Store(QString()).Remove(section);
    if (value.isNull())
        return Store(section).Remove(entry);
    return Store(section).Set(entry, value);
}
