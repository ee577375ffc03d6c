// SPDX-License-Identifier: GPL-3.0-or-later
// pixmora-cli create and import: pictures into the editor's three grids, the colour rules,
// and the write through the editor's own writer.
#include "cli/Cli.h"
#include "cli/CliCommands.h"
#include "cli/CliFiles.h"
#include "cli/CliPlatform.h"
#include "cli/ColourReduction.h"
#include "cli/GridImage.h"
#include "cli/IconImport.h"
#include "cli/ImageScaling.h"
#include "framework/Archive.h"
#include "framework/AtomicFileWriter.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"

#include <QBuffer>
#include <QImageReader>
#include <array>

namespace {

// The icon being built and, per size, the input its image came from.
struct IconBuild {
    CliIcon icon;
    std::array<QString, kImageCount> sources;
};

// Where create and import report what they did: the standard output unless the icon goes
// there.
QTextStream& ReportStream(const QString& target, CliStreams& io)
{
    return IsStdStream(target) ? io.err : io.out;
}

int PaintedCells(const IconGrid& grid, int side)
{
    int painted = 0;
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            painted += grid[x][y] != ICON_TRANSPARENT ? 1 : 0;
    return painted;
}

// Applies the colour limit to every drawn image: false when an image would lose colours and
// reducing was not asked for (each such image is named on err).
bool MeetColourLimit(
    IconBuild& build, const CliOptions& options, QTextStream& report, QTextStream& err)
{
    bool refused = false;
    for (int i = 0; i < kImageCount; ++i) {
        IconGrid& grid = build.icon.pixels[i];
        const int side = kImageSides[i];
        const ColourFit fit = CheckColourFit(grid, side);
        if (fit.lostPixels == 0)
            continue;
        if (!options.reduce) {
            Complain(err, build.sources[i],
                QStringLiteral("the %1x%1 image has %2 colours (black included) where an icon "
                               "image holds 256: %3 of %4 pixels would turn black; nothing "
                               "written (--reduce reduces the colours)")
                    .arg(side)
                    .arg(fit.colours)
                    .arg(fit.lostPixels)
                    .arg(PaintedCells(grid, side)));
            refused = true;
            continue;
        }
        const ColourReduction r = ReduceColours(grid, side, options.dither);
        report << "reduced the " << side << 'x' << side << " image of " << build.sources[i]
               << " from " << r.coloursBefore << " to " << r.coloursAfter << " colours, mean error "
               << QString::number(r.meanError, 'f', 2) << '\n';
    }
    return !refused;
}

// The bytes of the editor's writer, or nullopt once the editor's message is shown (nothing is
// drawn, or the writer failed).
std::optional<QByteArray> EncodeIcon(CliIcon& icon)
{
    CArchive ar;
    try {
        if (!icon.file.SaveIconFile(ar, icon.pixels[0], icon.pixels[1], icon.pixels[2]))
            return std::nullopt;
    } catch (const CArchiveException&) {
        AfxMessageBox(FrameworkText::FailedToSave);
        return std::nullopt;
    }
    return ToQByteArray(ar.Buffer());
}

// Writes as the editor's save does, so a failure reads as it would there.
bool WriteIcon(CliIcon& icon, const QString& target, CliStreams& io)
{
    io.platform.SetContext(target);
    const bool toFile = !IsStdStream(target);
    if (toFile) {
        if (const QString why = RefusedOutputReason(target); !why.isEmpty()) {
            Complain(io.err, target, why);
            Complain(io.err, target, FrameworkText::FailedToSave);
            return false;
        }
    }
    const std::optional<QByteArray> bytes = EncodeIcon(icon);
    if (!bytes)
        return false;
    if (toFile) {
        if (!WriteFileAtomically(target, *bytes)) {
            AfxMessageBox(FrameworkText::FailedToSave);
            return false;
        }
        return true;
    }
    QString why;
    if (!WriteOutput(target, *bytes, why)) {
        Complain(io.err, QStringLiteral("standard output"), why);
        Complain(io.err, target, FrameworkText::FailedToSave);
        return false;
    }
    return true;
}

int Finish(IconBuild& build, const QString& target, const CliOptions& options, CliStreams& io)
{
    QTextStream& report = ReportStream(target, io);
    if (!MeetColourLimit(build, options, report, io.err))
        return kCliRefused;
    if (!WriteIcon(build.icon, target, io))
        return kCliFailed;
    report << "wrote " << target << " (" << DrawnSizes(build.icon) << ")\n";
    return kCliOk;
}

// Reads an image file (or "-") whole, so that a reader can be made over it as often as needed.
struct ImageInput {
    QByteArray bytes;
    QBuffer buffer;
    QImageReader reader;

    bool Open(const QString& path, QTextStream& err)
    {
        if (!ReadInputOrComplain(path, bytes, err))
            return false;
        Rewind();
        return true;
    }
    void Rewind()
    {
        buffer.close();
        buffer.setBuffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
    }
    bool IsVector() { return reader.format() == "svg" || reader.format() == "svgz"; }
};

bool ReadImage(ImageInput& input, const QString& path, QImage& image, QTextStream& err)
{
    image = input.reader.read();
    if (image.isNull()) {
        Complain(err, path,
            QStringLiteral("cannot read the image (%1)").arg(input.reader.errorString()));
        return false;
    }
    return true;
}

bool AddSizedImage(IconBuild& build, const QString& path, QTextStream& err)
{
    ImageInput input;
    QImage image;
    if (!input.Open(path, err) || !ReadImage(input, path, image, err))
        return false;
    const int index = image.width() == image.height() ? SizeIndexOfSide(image.width()) : -1;
    if (index < 0) {
        Complain(err, path,
            QStringLiteral("the image is %1x%2; icon images must be 16x16, 32x32 or 48x48")
                .arg(image.width())
                .arg(image.height()));
        return false;
    }
    ImageToGrid(image, build.icon.pixels[index]);
    build.sources[index] = path;
    return true;
}

// All three sizes from one picture. A vector image is drawn afresh at each size; any other is
// read once and reduced.
bool AddAllSizesFrom(IconBuild& build, const QString& path, QTextStream& err)
{
    ImageInput input;
    if (!input.Open(path, err))
        return false;
    const QSize natural = input.reader.size();
    const bool redraw = input.IsVector() && natural.isValid();
    QImage image;
    if (!redraw && !ReadImage(input, path, image, err))
        return false;
    for (int i = 0; i < kImageCount; ++i) {
        const int side = kImageSides[i];
        if (redraw) {
            input.Rewind();
            input.reader.setScaledSize(natural.scaled(side, side, Qt::KeepAspectRatio));
            if (!ReadImage(input, path, image, err))
                return false;
        }
        ImageToGrid(FitToSquare(image, side), build.icon.pixels[i]);
        build.sources[i] = path;
    }
    return true;
}

} // namespace

int RunCreate(const CliOptions& options, CliStreams& io)
{
    IconBuild build;
    const QString target = options.files.constFirst();
    if (!options.from.isEmpty()) {
        if (!AddAllSizesFrom(build, options.from, io.err))
            return kCliFailed;
    } else {
        for (const QString& image : options.files.mid(1))
            if (!AddSizedImage(build, image, io.err))
                return kCliFailed;
    }
    return Finish(build, target, options, io);
}

int RunImport(const CliOptions& options, CliStreams& io)
{
    const QString& source = options.files[0];
    const QString& target = options.files[1];
    QByteArray bytes;
    if (!ReadInputOrComplain(source, bytes, io.err))
        return kCliFailed;
    const ListedPictures listed = ListIconPictures(bytes);
    const IconListing& listing = listed.listing;
    // The editor's reader does not look at these fields, but a file whose header is not an
    // icon's or a cursor's is something else, whose bytes would be taken for entries.
    if (!listing.headerComplete || listing.reserved != 0
        || (listing.type != 1 && listing.type != 2)) {
        Complain(io.err, source, FrameworkText::UnexpectedFormat);
        return kCliFailed;
    }
    const std::array<ImportedImage, kImageCount> chosen = ChooseImportImages(listed);
    if (chosen[0].entry == 0) {
        Complain(io.err, source, QStringLiteral("no entry holds a picture that can be decoded"));
        return kCliFailed;
    }
    IconBuild build;
    QTextStream& report = ReportStream(target, io);
    for (int i = 0; i < kImageCount; ++i) {
        const ImportedImage& image = chosen[std::size_t(i)];
        report << kImageSides[i] << 'x' << kImageSides[i] << " from " << image.source << '\n';
        ImageToGrid(image.image, build.icon.pixels[i]);
        build.sources[std::size_t(i)] = QStringLiteral("%1 entry %2").arg(source).arg(image.entry);
    }
    return Finish(build, target, options, io);
}
