// SPDX-License-Identifier: GPL-3.0-or-later
// The string table: every command's status-bar prompt and tooltip, and the few other strings the
// program gives the framework (application title, idle prompt, document string, tip texts).
#pragma once

#include <QString>

#include <span>

// One command's resource string "prompt\ntooltip", kept split. Texts are UTF-8.
struct CommandText {
    int id;
    const char* prompt;
    const char* tooltip; // nullptr when the string has no line feed, i.e. no tooltip

    QString Prompt() const { return QString::fromUtf8(prompt); }
    QString Tooltip() const { return tooltip ? QString::fromUtf8(tooltip) : QString(); }
    bool HasTooltip() const { return tooltip != nullptr; }
};

// The text of command `id`, or nullptr when the command has none. All recent-file entries
// (ID_FILE_MRU_FILE1..4) share the first entry's text.
const CommandText* FindCommandText(int id);

// Every command text, in table order.
std::span<const CommandText> AllCommandTexts();

// The whole resource string `id` as stored ("prompt\ntooltip" for commands); empty when the
// program has no string with that id.
QString LoadResourceString(int id);

// The seven line-feed separated fields of the document template's string (IDR_ICONTYPE).
enum class DocStringField {
    WindowTitle,
    DocName,
    FileNewName,
    FilterName,
    FilterExt,
    RegFileTypeId,
    RegFileTypeName,
};
QString DocumentString(DocStringField field);
