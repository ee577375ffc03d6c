// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/IniText.h"

#include <QByteArrayList>

#include <algorithm>
#include <optional>

namespace {

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    const int value = u >= '0' && u <= '9' ? u - '0'
        : u >= 'a' && u <= 'f'             ? u - 'a' + 10
        : u >= 'A' && u <= 'F'             ? u - 'A' + 10
                                           : base;
    return value < base ? value : -1;
}

// Characters written as a backslash and a letter, or a backslash and themselves.
constexpr std::pair<char16_t, char> kNamedEscapes[] = { { '\a', 'a' }, { '\b', 'b' }, { '\f', 'f' },
    { '\n', 'n' }, { '\r', 'r' }, { '\t', 't' }, { '\v', 'v' }, { '"', '"' }, { '\\', '\\' } };

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The file's lines (ended by CR, LF or both), a line continued with a trailing backslash kept
// together with the next one, the backslash-newline still in it.
std::vector<QString> LogicalLines(QByteArray bytes)
{
    bytes.replace("\r\n", "\n").replace('\r', '\n');
    std::vector<QString> lines;
    QByteArray line;
    for (const QByteArray& physical : bytes.split('\n')) {
        line += physical;
        if (physical.endsWith('\\')) {
            line += '\n';
            continue;
        }
        lines.push_back(QString::fromUtf8(std::exchange(line, {})));
    }
    return lines;
}

// A section or entry name: "%XX" is a Latin-1 character, "%UXXXX" a UTF-16 unit, a backslash
// stands for "/". Spaces are written plainly, and read either way.
QString UnescapedName(QStringView name)
{
    QString text;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c == u'\\') {
            text += u'/';
            continue;
        }
        const bool wide = c == u'%' && i + 1 < name.size() && name[i + 1] == u'U';
        const qsizetype digits = wide ? 4 : 2;
        const qsizetype from = i + (wide ? 2 : 1);
        int code = 0;
        bool valid = c == u'%' && from + digits <= name.size();
        for (qsizetype d = 0; valid && d < digits; ++d) {
            const int digit = DigitValue(name[from + d], 16);
            valid = digit >= 0;
            code = code * 16 + digit;
        }
        if (!valid) {
            text += c;
            continue;
        }
        text += QChar(char16_t(code));
        i = from + digits - 1;
    }
    return text;
}

bool NameCharacterIsPlain(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_'
        || u == '-' || u == '.' || u == ' ';
}

QByteArray EscapedName(const QString& name)
{
    QByteArray bytes;
    for (const QChar c : name) {
        if (c == u'/')
            bytes += '\\';
        else if (NameCharacterIsPlain(c))
            bytes += char(c.unicode());
        else if (c.unicode() <= 0xFF)
            bytes += '%' + QByteArray::number(c.unicode(), 16).toUpper().rightJustified(2, '0');
        else
            bytes += "%U" + QByteArray::number(c.unicode(), 16).toUpper().rightJustified(4, '0');
    }
    return bytes;
}

// The character a backslash escape at value[i] (the backslash) stands for, and the index of
// its last character. A backslash before a line break only continues the line.
std::pair<std::optional<QChar>, qsizetype> Escape(QStringView value, qsizetype i)
{
    if (i + 1 == value.size())
        return { QChar(u'\\'), i };
    const QChar c = value[++i];
    if (c == u'\n')
        return { std::nullopt, i };
    for (const auto& [character, letter] : kNamedEscapes) {
        if (c == QLatin1Char(letter))
            return { QChar(character), i };
    }
    const int base = c == u'x' ? 16 : 8;
    if (base == 8 && DigitValue(c, 8) < 0)
        return { c, i };
    int code = base == 8 ? DigitValue(c, 8) : 0;
    while (i + 1 < value.size() && DigitValue(value[i + 1], base) >= 0 && code <= 0xFFFF)
        code = code * base + DigitValue(value[++i], base);
    return { code <= 0xFFFF ? QChar(char16_t(code)) : QChar(u'?'), i };
}

// "@" and a type name opening a parenthesis: how a serialized object starts.
bool StartsSerializedObject(QStringView text)
{
    if (text.size() < 3 || text[0] != u'@' || !text[1].isLetter())
        return false;
    qsizetype i = 2;
    while (i < text.size() && text[i].isLetterOrNumber())
        ++i;
    return i < text.size() && text[i] == u'(';
}

// The text of a value: quotes removed, escapes resolved, blanks around it dropped (except
// quoted or escaped ones). Commas are kept: a value with commas is read back as the text the
// user typed. Every comma-separated part that starts with "@@" loses one "@" (the way an "@"
// at the start of text is written), and a part that is a serialized object makes the whole
// value damaged (nullopt).
std::optional<QString> ValueText(QStringView value)
{
    QString text = QLatin1String(""); // an empty value is text, not an absent one
    std::vector<qsizetype> partStarts;
    bool quoted = false;
    bool atPartStart = true;
    qsizetype keptLength = 0;
    qsizetype i = 0;
    while (i < value.size() && IsBlank(value[i]))
        ++i;
    for (; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'"') {
            quoted = !quoted;
            keptLength = text.size();
            continue;
        }
        if (!quoted && c == u',') {
            text += c;
            atPartStart = true;
            continue;
        }
        if (atPartStart && !quoted && IsBlank(c)) {
            text += c;
            continue;
        }
        if (atPartStart) {
            partStarts.push_back(text.size());
            atPartStart = false;
        }
        if (c == u'\\') {
            const auto [escaped, last] = Escape(value, i);
            i = last;
            if (escaped) {
                text += *escaped;
                keptLength = text.size();
            }
            continue;
        }
        text += c;
        if (quoted)
            keptLength = text.size();
    }
    while (text.size() > keptLength && IsBlank(text.back()))
        text.chop(1);
    for (auto start = partStarts.rbegin(); start != partStarts.rend(); ++start) {
        const QStringView part = QStringView(text).sliced(std::min(*start, text.size()));
        if (StartsSerializedObject(part))
            return std::nullopt;
        if (part.startsWith(u"@@"))
            text.remove(*start, 1);
    }
    return text;
}

QByteArray HexEscape(char16_t code) { return "\\x" + QByteArray::number(code, 16); }

// The dialect's spelling of a text value: control characters, quotes and backslashes escaped,
// the whole value quoted when it holds a separator or starts or ends with a space.
QByteArray EscapedValue(const QString& value)
{
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QByteArray bytes;
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == ';' || u == ',' || u == '=')
            needsQuotes = true;
        if (escapeNextIfHexDigit && DigitValue(c, 16) >= 0) {
            bytes += HexEscape(u);
            continue;
        }
        escapeNextIfHexDigit = false;
        const auto named = std::find_if(std::begin(kNamedEscapes), std::end(kNamedEscapes),
            [u](const auto& entry) { return entry.first == u; });
        if (named != std::end(kNamedEscapes)) {
            bytes += '\\';
            bytes += named->second;
        } else if (u <= 0x1F) {
            bytes += HexEscape(u);
            escapeNextIfHexDigit = true;
        } else {
            bytes += QString(c).toUtf8();
        }
    }
    if (needsQuotes || bytes.startsWith(' ') || bytes.endsWith(' '))
        bytes = '"' + bytes + '"';
    return bytes;
}

IniSection& SectionNamed(std::vector<IniSection>& sections, const QString& name)
{
    const auto found = std::find_if(sections.begin(), sections.end(),
        [&name](const IniSection& section) { return section.name == name; });
    if (found != sections.end())
        return *found;
    sections.push_back({ name, {} });
    return sections.back();
}

void SetEntry(IniSection& section, const QString& key, const QString& value)
{
    for (auto& [name, text] : section.entries) {
        if (name == key) {
            text = value;
            return;
        }
    }
    section.entries.emplace_back(key, value);
}

} // namespace

IniDocument ParseIni(const QByteArray& bytes)
{
    IniDocument document;
    QString section = QStringLiteral("General");
    for (const QString& line : LogicalLines(bytes)) {
        const QStringView trimmed = QStringView(line).trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u';'))
            continue;
        if (trimmed.startsWith(u'[')) {
            const qsizetype end = trimmed.indexOf(u']');
            document.damaged |= end < 0;
            section
                = UnescapedName(trimmed.sliced(1, (end < 0 ? trimmed.size() : end) - 1).trimmed());
            continue;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        const QString key = equals > 0 ? UnescapedName(trimmed.first(equals).trimmed()) : QString();
        const std::optional<QString> value
            = key.isEmpty() ? std::nullopt : ValueText(trimmed.sliced(equals + 1));
        if (!value || section.isEmpty()) {
            document.damaged = true;
            continue;
        }
        SetEntry(SectionNamed(document.sections, section), key, *value);
    }
    return document;
}

QByteArray FormatIni(const std::vector<IniSection>& sections)
{
    QByteArray bytes;
    for (const IniSection& section : sections) {
        if (section.entries.empty())
            continue;
        if (!bytes.isEmpty())
            bytes += '\n';
        bytes += '[' + EscapedName(section.name) + "]\n";
        for (const auto& [key, value] : section.entries)
            bytes += EscapedName(key) + '=' + EscapedValue(value) + '\n';
    }
    return bytes;
}
