// SPDX-License-Identifier: GPL-3.0-or-later
// The framework's own message texts.
#pragma once

#include <QString>

namespace FrameworkText {
inline const QString FailedToOpen = QStringLiteral("Failed to open document.");
inline const QString FailedToSave = QStringLiteral("Failed to save document.");
inline const QString UnexpectedFormat = QStringLiteral("Unexpected file format.");
}
