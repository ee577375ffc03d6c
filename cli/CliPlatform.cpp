// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliPlatform.h"

CliPlatform::CliPlatform(QTextStream& err)
    : m_err(err)
{
}

int CliPlatform::MessageBox(const QString& text, const QString&, unsigned style)
{
    m_err << "pixmora-cli: ";
    if (!m_context.isEmpty())
        m_err << m_context << ": ";
    m_err << text << '\n';
    m_err.flush();
    // Nobody can answer: OK-only boxes are acknowledged, every question is declined.
    return (style & 0xF) == MB_OK ? IDOK : IDCANCEL;
}

ScopedCliPlatform::ScopedCliPlatform(QTextStream& err)
{
    auto platform = std::make_unique<CliPlatform>(err);
    m_platform = platform.get();
    m_previous = SetPlatform(std::move(platform));
}

ScopedCliPlatform::~ScopedCliPlatform() { SetPlatform(std::move(m_previous)); }
