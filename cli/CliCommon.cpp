// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the commands: reading inputs with the framework's messages, and loading
// an icon through the editor's reader.
#include "cli/CliCommands.h"
#include "cli/CliFiles.h"
#include "framework/Strings.h"

void Complain(QTextStream& err, const QString& subject, const QString& text)
{
    err << "pixmora-cli: " << subject << ": " << text << '\n';
}

bool ReadInputOrComplain(const QString& path, QByteArray& bytes, QTextStream& err)
{
    QString why;
    std::optional<QByteArray> read = ReadInput(path, kMaxInputBytes, why);
    if (!read) {
        Complain(err, path, why);
        Complain(err, path, FrameworkText::FailedToOpen);
        return false;
    }
    bytes = std::move(*read);
    return true;
}

bool LoadIcon(const QString& path, CliIcon& icon, QTextStream& err)
{
    QByteArray bytes;
    return ReadInputOrComplain(path, bytes, err) && LoadIconBytes(path, bytes, icon, err);
}

bool LoadIconBytes(const QString& path, const QByteArray& bytes, CliIcon& icon, QTextStream& err)
{
    if (DecodeIcon(ToBytes(bytes), icon))
        return true;
    Complain(err, path, FrameworkText::UnexpectedFormat);
    return false;
}

QString DrawnSizes(const CliIcon& icon)
{
    QStringList sizes;
    for (int i = 0; i < kImageCount; ++i)
        if (IsImageDrawn(icon.pixels[i], kImageSides[i]))
            sizes << QStringLiteral("%1x%1").arg(kImageSides[i]);
    return sizes.join(u' ');
}
