// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the commands: reading inputs with the framework's messages, and loading
// an icon through the editor's reader. Each is the standard-library one (cli/CliFiles.h,
// cli/CliIcon.h) in Qt's types.
#include "cli/CliCommands.h"
#include "cli/CliFiles.h"
#include "framework/PathNames.h"
#include "framework/Strings.h"

void Complain(QTextStream& err, const QString& subject, const QString& text)
{
    err << QString::fromStdString(Complaint(NativeName(subject), text.toStdString()));
}

bool ReadInputOrComplain(const QString& path, QByteArray& bytes, QTextStream& err)
{
    std::string complaints;
    std::optional<Bytes> read = ReadInputOrComplain(NativeName(path), complaints);
    err << QString::fromStdString(complaints);
    if (read)
        bytes = ToQByteArray(*read);
    return read.has_value();
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
