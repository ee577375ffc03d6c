// SPDX-License-Identifier: GPL-3.0-or-later
// The seam between the program and the desktop: message boxes, common dialogs, the program's
// own modal dialogs, sound, the wait cursor and the system clipboard. The editor installs
// QtPlatform; tests install a scripted platform that answers from a queue and records what was
// asked, so nothing ever blocks on a modal window.
#pragma once

#include "framework/MessageBox.h"
#include "framework/Types.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

// What the font dialog shows and returns: the font description (family, size, style,
// underline, strike-out) and the text colour chosen with it.
struct FontChoice {
    QFont font;
    COLORREF color = RGB(0, 0, 0);
};

// Message boxes (MessageBox, from MessageBoxes) and everything else that needs the desktop.
class Platform : public MessageBoxes {
public:
    // The colour dialog; nullopt when it is cancelled.
    virtual std::optional<COLORREF> ChooseColor(QWidget* parent, COLORREF initial) = 0;
    // The font dialog, offering the screen fonts and the effects colour, underline and
    // strike-out; it opens on initial when one is given. nullopt when it is cancelled. A
    // platform without a desktop has no font dialog and answers as if cancelled.
    virtual std::optional<FontChoice> ChooseFont(
        QWidget* parent, const std::optional<FontChoice>& initial);
    // File dialogs; an empty string when cancelled. The Open dialog starts in `folder`, the
    // Save As dialog in the folder of `proposedName` when it names one.
    virtual QString GetOpenFileName(QWidget* parent, const QString& filter, const QString& folder)
        = 0;
    virtual QString GetSaveFileName(
        QWidget* parent, const QString& filter, const QString& proposedName)
        = 0;
    // Plays a sound file to the end; a file that cannot be found gives the default beep.
    virtual void PlaySound(const QString& fileName) = 0;
    virtual void SetWaitCursor(bool on) = 0;
    // The system clipboard, read only: whether it holds a picture, and that picture (a null
    // image when it holds none).
    virtual bool ClipboardHasImage() = 0;
    virtual QImage ClipboardImage() = 0;
    // Runs one of the program's dialogs modally: IDOK when it was accepted, IDCANCEL otherwise.
    // Without a desktop nobody can answer it, so by default it ends at once as if cancelled.
    virtual int DoModal(QDialog&) { return IDCANCEL; }
};

// The platform without a desktop (the command-line tool, early start-up): message boxes go
// to the error stream and every dialog is cancelled.
class ConsolePlatform : public Platform {
public:
    int MessageBox(const QString& text, const QString& caption, unsigned style) override;
    std::optional<COLORREF> ChooseColor(QWidget*, COLORREF) override { return std::nullopt; }
    QString GetOpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString GetSaveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    void PlaySound(const QString&) override { }
    void SetWaitCursor(bool) override { }
    bool ClipboardHasImage() override { return false; }
    QImage ClipboardImage() override { return {}; }
};

// The platform in force. Before anything is installed a console platform is used that writes
// message boxes to stderr and answers IDOK/cancel, so non-GUI code never needs a display.
Platform& platform();
// Installs a platform, message boxes included, and returns the previous one.
std::unique_ptr<Platform> SetPlatform(std::unique_ptr<Platform> p);

// Holds the wait cursor for its lifetime.
class CWaitCursor {
public:
    CWaitCursor() { platform().SetWaitCursor(true); }
    ~CWaitCursor() { platform().SetWaitCursor(false); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
