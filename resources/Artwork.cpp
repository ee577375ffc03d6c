// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/Artwork.h"

#include <QHash>
#include <QImageReader>
#include <QPixmap>
#include <QString>

#include <array>

// The resources live in a static library; without this call the linker may drop them from a
// program that never names them. It has to be made outside any namespace.
static void EnsureArtworkResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(artwork);
        return true;
    }();
    (void)registered;
}

namespace Artwork {

namespace {

    struct ToolbarArt {
        int id;
        const char* file;
        QSize buttonSize;
        int count;
    };

    constexpr std::array<ToolbarArt, 3> kToolbars { {
        { kCommandsToolbar, "commands.png", QSize(16, 15), 18 },
        { kBrushSizesToolbar, "brushsizes.png", QSize(13, 13), 4 },
        { kToolsToolbar, "tools.png", QSize(21, 21), 16 },
    } };

    const ToolbarArt* FindToolbar(int id)
    {
        for (const auto& toolbar : kToolbars)
            if (toolbar.id == id)
                return &toolbar;
        return nullptr;
    }

    // Loads a picture from the artwork resources in a format fit for painting: ARGB for the
    // pictures with transparency, RGB for the opaque ones.
    QImage Load(const QString& file)
    {
        EnsureArtworkResources();
        // Every picture is a PNG. Named as such, with detection off, the reader uses Qt's own
        // decoder at once instead of loading every image-format plugin installed (one of
        // them brings a whole vector-graphics library) to ask each whether it can read it.
        QImageReader reader(QStringLiteral(":/artwork/") + file, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull())
            return image;
        return image.convertToFormat(
            image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }

    // The small pictures, decoded once however often they are asked for (the swap button by
    // every document window). The splash picture, by far the largest and shown once, is not
    // kept.
    QImage LoadKept(const QString& file)
    {
        static QHash<QString, QImage> kept;
        const auto found = kept.constFind(file);
        if (found != kept.constEnd())
            return *found;
        const QImage image = Load(file);
        if (!image.isNull())
            kept.insert(file, image);
        return image;
    }

} // namespace

QSize ToolbarButtonSize(int toolbarId)
{
    const auto* toolbar = FindToolbar(toolbarId);
    return toolbar ? toolbar->buttonSize : QSize();
}

int ToolbarButtonCount(int toolbarId)
{
    const auto* toolbar = FindToolbar(toolbarId);
    return toolbar ? toolbar->count : 0;
}

QImage ToolbarStrip(int toolbarId)
{
    const auto* toolbar = FindToolbar(toolbarId);
    return toolbar ? LoadKept(QString::fromLatin1(toolbar->file)) : QImage();
}

QImage ToolbarButtonImage(int toolbarId, int index)
{
    const auto* toolbar = FindToolbar(toolbarId);
    if (!toolbar || index < 0 || index >= toolbar->count)
        return QImage();
    const QSize size = toolbar->buttonSize;
    return ToolbarStrip(toolbarId).copy(index * size.width(), 0, size.width(), size.height());
}

QIcon ToolbarButtonIcon(int toolbarId, int index)
{
    const QImage image = ToolbarButtonImage(toolbarId, index);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

QImage Bitmap(int id)
{
    switch (id) {
    case kSplashBitmap:
        return Load(QStringLiteral("splash.png"));
    case kSwapBitmap:
        return LoadKept(QStringLiteral("swap.png"));
    case kTipBulbBitmap:
        return LoadKept(QStringLiteral("tipbulb.png"));
    default:
        return ToolbarStrip(id);
    }
}

QImage SwapBitmap() { return Bitmap(kSwapBitmap); }

QImage SplashBitmap() { return Bitmap(kSplashBitmap); }

QImage TipBulbBitmap() { return Bitmap(kTipBulbBitmap); }

QImage AppIconImage(int side)
{
    if (side != 16 && side != 32 && side != 48)
        return QImage();
    return LoadKept(QStringLiteral("pixmora%1.png").arg(side));
}

QIcon AppIcon()
{
    QIcon icon;
    for (int side : { 16, 32, 48 })
        icon.addPixmap(QPixmap::fromImage(AppIconImage(side)));
    return icon;
}

QString AppIconFilePath()
{
    EnsureArtworkResources();
    return QStringLiteral(":/artwork/pixmora.ico");
}

} // namespace Artwork
