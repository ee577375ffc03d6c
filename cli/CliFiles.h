// SPDX-License-Identifier: GPL-3.0-or-later
// Reading inputs and writing outputs for pixmora-cli. "-" stands for the standard input or
// output. Named inputs are opened only when they are regular files, so a FIFO or a device never
// blocks the tool; named outputs are replaced atomically and never through a non-regular file.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The name the user gives for the standard input or output.
inline bool IsStdStream(const QString& path) { return path == QLatin1String("-"); }

// The whole content of path (or of the standard input for "-"), at most maxBytes. On failure
// returns nullopt and sets why to a short reason ("not a regular file", "larger than ...", the
// system's error text).
std::optional<QByteArray> ReadInput(const QString& path, qint64 maxBytes, QString& why);

// Empty when path may be written: it does not exist or is a regular file (symbolic links are
// followed). Otherwise the reason it is refused.
QString RefusedOutputReason(const QString& path);

// Replaces path with bytes atomically, or writes them to the standard output for "-". A
// failing write, flush or sync (a full disk, a closed pipe) gives false and leaves an existing
// file untouched; why then tells the reason.
bool WriteOutput(const QString& path, const QByteArray& bytes, QString& why);
