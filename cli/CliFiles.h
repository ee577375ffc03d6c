// SPDX-License-Identifier: GPL-3.0-or-later
// Reading inputs and writing outputs for pixmora-cli. "-" stands for the standard input or
// output. Named inputs are opened only when they are regular files, so a FIFO or a device never
// blocks the tool; named outputs are replaced atomically and never through a non-regular file.
//
// In the standard library's types, for the export that runs without QtCore; where QtCore is,
// the same in Qt's types follow.
#pragma once

#include "framework/Bytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The icons and images the commands read are never larger than this.
constexpr std::int64_t kMaxInputBytes = 64 * 1024 * 1024;

// The name the user gives for the standard input or output.
inline bool IsStdStream(std::string_view path) { return path == "-"; }

// The whole content of path (or of the standard input for "-"), at most maxBytes. On failure
// returns nullopt and sets why to a short reason ("not a regular file", "larger than ...", the
// system's error text).
std::optional<Bytes> ReadInput(const std::string& path, std::int64_t maxBytes, std::string& why);

// Empty when path may be written: it does not exist or is a regular file (symbolic links are
// followed). Otherwise the reason it is refused.
std::string RefusedOutputReason(const std::string& path);

// Replaces path with bytes atomically, or writes them to the standard output for "-". A
// failing write, flush or sync (a full disk, a closed pipe) gives false and leaves an existing
// file untouched; why then tells the reason.
bool WriteOutput(const std::string& path, ByteView bytes, std::string& why);

// "pixmora-cli: SUBJECT: text", a line as every command reports a problem.
std::string Complaint(std::string_view subject, std::string_view text);

// ReadInput of at most kMaxInputBytes; on failure appends the reason and the framework's
// "Failed to open document." to complaints.
std::optional<Bytes> ReadInputOrComplain(const std::string& path, std::string& complaints);

#ifdef QT_CORE_LIB
#include "framework/PathNames.h"

#include <QByteArray>
#include <QString>

inline bool IsStdStream(const QString& path) { return path == QLatin1String("-"); }

inline QString RefusedOutputReason(const QString& path)
{
    return QString::fromLocal8Bit(RefusedOutputReason(NativeName(path)).c_str());
}

inline bool WriteOutput(const QString& path, QByteArrayView bytes, QString& why)
{
    std::string reason;
    const bool written = WriteOutput(NativeName(path), ToByteView(bytes), reason);
    if (!written)
        why = QString::fromLocal8Bit(reason.c_str());
    return written;
}
#endif
