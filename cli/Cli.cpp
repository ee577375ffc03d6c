// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"

#include "cli/CliPlatform.h"
#include "cli/GridImage.h"
#include "cli/IconListing.h"
#include "document/IconDoc.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

namespace {

constexpr qint64 kMaxListedBytes = 64 * 1024 * 1024;

const QString kUsage = QStringLiteral("usage: pixmora-cli info FILE.ico\n"
                                      "       pixmora-cli export FILE.ico DIR\n"
                                      "       pixmora-cli create OUT.ico IMAGE...\n"
                                      "       pixmora-cli --help | --version\n");

const QString kHelp = QStringLiteral(
    "\n"
    "  info    lists every directory entry (size, bits per pixel, offset, bytes) and whether\n"
    "          the editor uses or skips it, then the 16x16, 32x32 and 48x48 images it draws\n"
    "  export  writes DIR/icon-16.png, icon-32.png and icon-48.png for each drawn image\n"
    "          (transparent pixels have alpha 0)\n"
    "  create  builds an icon from 16x16, 32x32 and 48x48 PNG or BMP images; pixels with\n"
    "          alpha below 128 become transparent, a later image of a size replaces an earlier\n"
    "\n"
    "Exit status: 0 success, 1 a file could not be read, was damaged or could not be written,\n"
    "or nothing is drawn (export, create), 2 a usage error.\n");

QString SizeName(int side) { return QStringLiteral("%1x%1").arg(side); }

QString DrawnSizes(const CIconDoc& doc)
{
    QStringList sizes;
    for (int i = 0; i < kImageCount; ++i)
        if (IsImageDrawn(doc.m_pixels[i], kImageSides[i]))
            sizes << SizeName(kImageSides[i]);
    return sizes.join(u' ');
}

int UsageError(QTextStream& err, const QString& why)
{
    err << "pixmora-cli: " << why << '\n' << kUsage;
    return kCliUsage;
}

void PrintListing(const QString& path, QTextStream& out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxListedBytes)
        return;
    const IconListing listing = ListIconDirectory(file.readAll());
    if (!listing.headerComplete) {
        out << path << ": no icon directory (" << file.size() << " bytes)\n";
        return;
    }
    out << path << ": " << listing.announcedEntries
        << (listing.announcedEntries == 1 ? " entry\n" : " entries\n");
    for (const IconEntryListing& item : listing.entries)
        out << item.Format() << '\n';
    if (listing.entries.size() < listing.announcedEntries)
        out << "directory cut short: " << listing.entries.size() << " of "
            << listing.announcedEntries << " entries present\n";
}

// Opens path the way the editor does; the framework's messages reach err through the platform.
bool OpenLikeEditor(CIconDoc& doc, const QString& path, CliPlatform& platform)
{
    platform.SetContext(path);
    return doc.OnOpenDocument(path);
}

int RunInfo(const QString& path, QTextStream& out, CliPlatform& platform)
{
    PrintListing(path, out);
    CIconDoc doc;
    if (!OpenLikeEditor(doc, path, platform))
        return kCliFailed;
    const QString drawn = DrawnSizes(doc);
    out << "drawn: " << (drawn.isEmpty() ? QStringLiteral("none") : drawn) << '\n';
    return kCliOk;
}

int RunExport(const QString& path, const QString& dirPath, QTextStream& out, QTextStream& err,
    CliPlatform& platform)
{
    CIconDoc doc;
    if (!OpenLikeEditor(doc, path, platform))
        return kCliFailed;
    if (DrawnSizes(doc).isEmpty()) {
        err << "pixmora-cli: " << path << ": no 16x16, 32x32 or 48x48 image is drawn\n";
        return kCliFailed;
    }
    const QDir dir(dirPath);
    if (!dir.mkpath(QStringLiteral("."))) {
        err << "pixmora-cli: " << dirPath << ": cannot create the directory\n";
        return kCliFailed;
    }
    for (int i = 0; i < kImageCount; ++i) {
        const int side = kImageSides[i];
        if (!IsImageDrawn(doc.m_pixels[i], side))
            continue;
        const QString target = dir.filePath(QStringLiteral("icon-%1.png").arg(side));
        if (!GridToImage(doc.m_pixels[i], side).save(target, "PNG")) {
            err << "pixmora-cli: " << target << ": cannot write the image\n";
            return kCliFailed;
        }
        out << "wrote " << target << '\n';
    }
    return kCliOk;
}

// Reads one image for create into its grid; false (with a message) when it is unreadable or
// not of an icon size.
bool LoadImageInto(CIconDoc& doc, const QString& path, QTextStream& err)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        err << "pixmora-cli: " << path << ": cannot read the image (" << reader.errorString()
            << ")\n";
        return false;
    }
    const int index = image.width() == image.height() ? SizeIndexOfSide(image.width()) : -1;
    if (index < 0) {
        err << "pixmora-cli: " << path << ": the image is " << image.width() << 'x'
            << image.height() << "; icon images must be 16x16, 32x32 or 48x48\n";
        return false;
    }
    ImageToGrid(image, doc.m_pixels[index]);
    return true;
}

int RunCreate(const QString& target, const QStringList& images, QTextStream& out, QTextStream& err,
    CliPlatform& platform)
{
    CIconDoc doc;
    for (const QString& image : images)
        if (!LoadImageInto(doc, image, err))
            return kCliFailed;
    platform.SetContext(target);
    if (!doc.OnSaveDocument(target))
        return kCliFailed;
    out << "wrote " << target << " (" << DrawnSizes(doc) << ")\n";
    return kCliOk;
}

} // namespace

int RunCli(const QStringList& args, QTextStream& out, QTextStream& err)
{
    ScopedCliPlatform platform(err);
    const QString command = args.value(0);
    const QStringList rest = args.mid(1);
    int result = kCliUsage;
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << kUsage << kHelp;
        result = kCliOk;
    } else if (command == QLatin1String("--version")) {
        out << "pixmora-cli " << PIXMORA_VERSION << '\n';
        result = kCliOk;
    } else if (command == QLatin1String("info")) {
        result = rest.size() == 1 ? RunInfo(rest[0], out, *platform)
                                  : UsageError(err, QStringLiteral("info takes one icon file"));
    } else if (command == QLatin1String("export")) {
        result = rest.size() == 2
            ? RunExport(rest[0], rest[1], out, err, *platform)
            : UsageError(err, QStringLiteral("export takes an icon file and a directory"));
    } else if (command == QLatin1String("create")) {
        result = rest.size() >= 2
            ? RunCreate(rest[0], rest.mid(1), out, err, *platform)
            : UsageError(err, QStringLiteral("create takes an output file and at least one image"));
    } else {
        result = UsageError(err,
            command.isEmpty() ? QStringLiteral("no command given")
                              : QStringLiteral("unknown command '%1'").arg(command));
    }
    out.flush();
    err.flush();
    return result;
}
