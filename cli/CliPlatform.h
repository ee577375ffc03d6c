// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes of pixmora-cli: the framework's message boxes become lines on the error
// stream, prefixed with the file being worked on, and every question is answered as if
// cancelled.
#pragma once

#include "framework/MessageBox.h"

#include <QString>
#include <QTextStream>

class CliPlatform final : public MessageBoxes {
public:
    explicit CliPlatform(QTextStream& err);

    // The file named in front of each message ("pixmora-cli: FILE: text").
    void SetContext(const QString& context) { m_context = context; }

    int MessageBox(const QString& text, const QString& caption, unsigned style) override;

private:
    QTextStream& m_err;
    QString m_context;
};

// Installs a CliPlatform for its lifetime and puts the previous message boxes back afterwards.
class ScopedCliPlatform {
public:
    explicit ScopedCliPlatform(QTextStream& err);
    ~ScopedCliPlatform();
    ScopedCliPlatform(const ScopedCliPlatform&) = delete;
    ScopedCliPlatform& operator=(const ScopedCliPlatform&) = delete;

    CliPlatform& operator*() { return m_platform; }
    CliPlatform* operator->() { return &m_platform; }

private:
    CliPlatform m_platform;
    MessageBoxes* m_previous;
};
