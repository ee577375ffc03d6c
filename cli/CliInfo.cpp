// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli info: the directory of each file as text or JSON, and what the editor draws.
// Icons of bitmaps alone are described by the tool itself; one with a PNG entry goes to the
// image helper, which decodes the stream to tell whether import could take its picture.
#include "cli/Cli.h"
#include "cli/CliCommands.h"
#include "cli/CliFiles.h"
#include "cli/IconListing.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <optional>

namespace {

struct FileReport {
    QString path;
    std::optional<QByteArray> bytes; // absent when the file could not be read
    IconListing listing;
    bool opened = false;
    QString error;
    CliIcon icon;
};

void Examine(FileReport& report, QTextStream& err, const EntryDecoder& decode)
{
    QString messages;
    QTextStream captured(&messages);
    QByteArray bytes;
    if (ReadInputOrComplain(report.path, bytes, captured)) {
        report.bytes = bytes;
        report.listing = ListIconDirectory(bytes, decode);
        // "-" can be read once only, so the icon is loaded from the same bytes.
        report.opened = LoadIconBytes(report.path, bytes, report.icon, captured);
    }
    captured.flush();
    err << messages;
    // The last line of the messages is the framework's verdict.
    const QStringList lines = messages.split(u'\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        report.error = lines.last().section(QStringLiteral(": "), -1);
}

void PrintText(const FileReport& report, QTextStream& out)
{
    if (!report.bytes)
        return;
    const IconListing& listing = report.listing;
    if (!listing.headerComplete) {
        out << report.path << ": no icon directory (" << report.bytes->size() << " bytes)\n";
    } else {
        out << report.path << ": " << listing.announcedEntries
            << (listing.announcedEntries == 1 ? " entry\n" : " entries\n");
        for (const IconEntryListing& item : listing.entries)
            out << item.Format() << '\n';
        if (listing.entries.size() < listing.announcedEntries)
            out << "directory cut short: " << listing.entries.size() << " of "
                << listing.announcedEntries << " entries present\n";
    }
    if (report.opened) {
        const QString drawn = DrawnSizes(report.icon);
        out << "drawn: " << (drawn.isEmpty() ? QStringLiteral("none") : drawn) << '\n';
    }
}

QJsonValue OrNull(bool present, const QJsonValue& value) { return present ? value : QJsonValue(); }

QString UseName(IconEntryListing::Use use)
{
    switch (use) {
    case IconEntryListing::Use::Used:
        return QStringLiteral("used");
    case IconEntryListing::Use::Skipped:
        return QStringLiteral("skipped");
    case IconEntryListing::Use::Damaged:
        break;
    }
    return QStringLiteral("damaged");
}

QJsonObject EntryJson(const IconEntryListing& item)
{
    const auto directorySide = [](std::uint8_t b) { return b == 0 ? 256 : int(b); };
    std::optional<std::pair<int, int>> image;
    if (item.png)
        image = std::pair(item.png->width, item.png->height);
    else if (item.header)
        image = std::pair(int(item.header->biWidth), int(item.header->biHeight / 2));
    return QJsonObject {
        { QStringLiteral("number"), item.number },
        { QStringLiteral("width"), directorySide(item.entry.bWidth) },
        { QStringLiteral("height"), directorySide(item.entry.bHeight) },
        { QStringLiteral("format"), item.png ? QStringLiteral("png") : QStringLiteral("bmp") },
        { QStringLiteral("bitsPerPixel"), item.BitsPerPixel() },
        { QStringLiteral("imageWidth"), OrNull(bool(image), image ? image->first : 0) },
        { QStringLiteral("imageHeight"), OrNull(bool(image), image ? image->second : 0) },
        { QStringLiteral("offset"), qint64(item.entry.dwImageOffset) },
        { QStringLiteral("bytes"), qint64(item.entry.dwBytesInRes) },
        { QStringLiteral("use"), UseName(item.use) },
        { QStringLiteral("reason"), OrNull(item.use != IconEntryListing::Use::Used, item.reason) },
        { QStringLiteral("replacedBy"), OrNull(item.replacedBy != 0, item.replacedBy) },
        { QStringLiteral("importable"), !item.decoded.isEmpty() },
    };
}

QJsonObject FileJson(const FileReport& report)
{
    const IconListing& listing = report.listing;
    QJsonArray entries;
    for (const IconEntryListing& item : listing.entries)
        entries.append(EntryJson(item));
    QJsonArray drawn;
    if (report.opened)
        for (int i = 0; i < kImageCount; ++i)
            if (IsImageDrawn(report.icon.pixels[i], kImageSides[i]))
                drawn.append(kImageSides[i]);
    const bool header = listing.headerComplete;
    return QJsonObject {
        { QStringLiteral("file"), report.path },
        { QStringLiteral("bytes"),
            OrNull(bool(report.bytes), report.bytes ? report.bytes->size() : 0) },
        { QStringLiteral("opened"), report.opened },
        { QStringLiteral("error"), OrNull(!report.opened, report.error) },
        { QStringLiteral("type"), OrNull(header, int(listing.type)) },
        { QStringLiteral("announcedEntries"), OrNull(header, int(listing.announcedEntries)) },
        { QStringLiteral("directoryComplete"),
            header && listing.entries.size() == listing.announcedEntries },
        { QStringLiteral("entries"), entries },
        { QStringLiteral("drawn"), drawn },
    };
}

// The picture sizes of bitmap entries, which need no decoding to tell (see NeedsNoPictures).
QSize BitmapPictureOnly(int, const QByteArray& stored) { return BitmapPictureSize(stored); }

// True when every file can be read (standard input cannot be read twice) and none holds a
// PNG entry: whether import could take one's picture is known only by decoding it. A stream
// without a readable PNG header decodes into nothing either way.
bool NeedsNoPictures(const QStringList& files)
{
    for (const QString& path : files) {
        if (IsStdStream(path))
            return false;
        std::string why;
        const std::optional<Bytes> bytes = ReadInput(NativeName(path), kMaxInputBytes, why);
        if (!bytes)
            return false;
        const IconListing listing = ListIconDirectory(ToQByteArray(*bytes), BitmapPictureOnly);
        if (std::any_of(listing.entries.begin(), listing.entries.end(),
                [](const IconEntryListing& item) { return item.png.has_value(); }))
            return false;
    }
    return true;
}

} // namespace

std::optional<int> RunInfoWithoutPictures(const CliOptions& options, CliStreams& io)
{
    if (!NeedsNoPictures(options.files))
        return std::nullopt;
    return RunInfo(options, io, BitmapPictureOnly);
}

int RunInfo(const CliOptions& options, CliStreams& io, const EntryDecoder& decode)
{
    int result = kCliOk;
    QJsonArray files;
    for (const QString& path : options.files) {
        FileReport report;
        report.path = path;
        Examine(report, io.err, decode);
        if (!report.opened)
            result = kCliFailed;
        if (options.json)
            files.append(FileJson(report));
        else
            PrintText(report, io.out);
    }
    if (options.json)
        io.out << QJsonDocument(files).toJson(QJsonDocument::Indented);
    return result;
}
