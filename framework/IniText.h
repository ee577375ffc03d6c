// SPDX-License-Identifier: GPL-3.0-or-later
// The text of the settings file: sections of "name=value" lines, read and written in the
// INI dialect Qt's settings classes use on Linux, so files written by earlier versions read the
// same and other tools that read that dialect read ours.
//
// Values are text only. A value that is a serialized object ("@Variant(...)", "@DateTime(...)"
// and every other "@Type(...)") is never decoded: this program writes none, a decoder trusts
// the sizes inside them, and one damaged length is enough to ask for gigabytes. Such an entry
// is reported as damaged and left out, like lines that are not entries at all.
#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

struct IniSection {
    QString name;
    std::vector<std::pair<QString, QString>> entries;
};

struct IniDocument {
    std::vector<IniSection> sections;
    // True when something of the file was left out (serialized values, lines that are neither
    // a section nor an entry), so writing the document back repairs the file.
    bool damaged = false;
};

// Reads the file's bytes. Never fails: what cannot be read is left out. Entries before the
// first section belong to "General"; a later duplicate of an entry replaces the earlier one.
IniDocument ParseIni(const QByteArray& bytes);

// The file's bytes for the document: sections in order, entries in order, section and entry
// names with their spaces as they are, values escaped and quoted where the dialect needs it.
QByteArray FormatIni(const std::vector<IniSection>& sections);
