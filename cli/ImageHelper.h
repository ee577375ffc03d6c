// SPDX-License-Identifier: GPL-3.0-or-later
// The full tool links QtCore alone, so that export and the listing of bitmap icons never load
// QtGui and the many libraries below it. What reads or writes pictures (create, import, info of
// an icon with a PNG entry) is in a helper program built with the image library,
// pixmora-cli-images, which the tool hands over to (cli/HandOver.h).
#pragma once

#include <QStringList>

struct CliOptions;
struct CliStreams;

// An ImageCommandRunner: execs the helper with args. Returns only when it could not be
// started, after saying why on the error stream (exit status 1).
int RunImageHelper(const QStringList& args, const CliOptions& options, CliStreams& io);
