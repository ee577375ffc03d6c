// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli links QtCore alone, so that export and the listing of bitmap icons never load
// QtGui and the many libraries below it. What reads or writes pictures (create, import, info of
// an icon with a PNG entry) is in a helper program built with the image library,
// pixmora-cli-images, which the tool replaces itself with: the same arguments, the same
// standard streams, and its exit status is the tool's.
#pragma once

#include <QString>
#include <QStringList>

struct CliOptions;
struct CliStreams;

// Where the helper may be, in order: beside the executable (a build tree), then in the
// installed tree's library folder, relative to the executable's folder so a moved tree works.
QStringList ImageHelperCandidates(const QString& executableDir);

// An ImageCommandRunner: execs the helper with args. Returns only when no candidate could be
// started, after saying why on the error stream (exit status 1).
int RunImageHelper(const QStringList& args, const CliOptions& options, CliStreams& io);
