// SPDX-License-Identifier: GPL-3.0-or-later
// The platform of the running editor: Qt's message boxes, dialogs, cursors and sounds.
#pragma once

#include "framework/Platform.h"

#include <QObject>
#include <memory>
#include <optional>

class QtPlatform final : public Platform {
public:
    int MessageBox(const QString& text, const QString& caption, unsigned style) override;
    std::optional<COLORREF> ChooseColor(QWidget* parent, COLORREF initial) override;
    std::optional<FontChoice> ChooseFont(
        QWidget* parent, const std::optional<FontChoice>& initial) override;
    QString GetOpenFileName(QWidget* parent, const QString& filter, const QString& folder) override;
    QString GetSaveFileName(
        QWidget* parent, const QString& filter, const QString& proposed) override;
    void PlaySound(const QString& fileName) override;
    void SetWaitCursor(bool on) override;
    bool ClipboardHasImage() override;
    QImage ClipboardImage() override;
    int DoModal(QDialog& dialog) override;

private:
    // Whether the clipboard holds a picture, known since it last changed hands. Asking the
    // owner takes round trips to the display, and the Paste command asks after every event.
    std::optional<bool> m_clipboardHasImage;
    // Ends the clipboard watch with this object.
    std::unique_ptr<QObject> m_clipboardWatch;
};
