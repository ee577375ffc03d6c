// SPDX-License-Identifier: GPL-3.0-or-later
// The framework's own message texts, in the standard library alone so that code without QtCore
// (pixmora-cli's front end) says them too.
#pragma once

namespace FrameworkText {
inline constexpr char FailedToOpen[] = "Failed to open document.";
inline constexpr char FailedToSave[] = "Failed to save document.";
inline constexpr char UnexpectedFormat[] = "Unexpected file format.";
}
