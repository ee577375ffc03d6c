// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of pixmora-cli, called by RunCli once the command line has been checked.
#pragma once

#include "cli/CliIcon.h"
#include "cli/IconListing.h"
#include "document/IconFile.h"
#include "document/IconTypes.h"

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <optional>

class CliPlatform;

struct CliOptions {
    QString command;
    QStringList files; // the positional arguments after the command
    bool json = false; // info
    QString namePattern; // export
    QString from; // create: one large image for all three sizes
    bool reduce = false; // create, import
    bool dither = false;
};

struct CliStreams {
    QTextStream& out;
    QTextStream& err;
    CliPlatform& platform; // names the file in the framework's messages
};

// info, with decode telling the size of each entry's picture (for "importable").
int RunInfo(const CliOptions& options, CliStreams& io, const EntryDecoder& decode);
// info without the image library, when its files need none: icons of bitmaps alone, read from
// files. nullopt, with nothing done, when one of them needs the image helper.
std::optional<int> RunInfoWithoutPictures(const CliOptions& options, CliStreams& io);
int RunExport(const CliOptions& options, CliStreams& io);
// Why export's --name cannot name the outputs of its files (names that would repeat), or empty.
QString CheckExportNames(const CliOptions& options);
int RunCreate(const CliOptions& options, CliStreams& io);
int RunImport(const CliOptions& options, CliStreams& io);

// "pixmora-cli: SUBJECT: text" on err.
void Complain(QTextStream& err, const QString& subject, const QString& text);

// Loads the bytes of the icon file named path into icon with the editor's reader.
bool LoadIconBytes(const QString& path, const QByteArray& bytes, CliIcon& icon, QTextStream& err);
// Reads an input file (or "-"); on failure the reason and the framework's "Failed to open
// document." are on err.
bool ReadInputOrComplain(const QString& path, QByteArray& bytes, QTextStream& err);
// "16x16 32x32" for the drawn images.
QString DrawnSizes(const CliIcon& icon);
