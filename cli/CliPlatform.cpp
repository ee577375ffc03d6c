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
    return UnansweredMessageBox(style);
}

ScopedCliPlatform::ScopedCliPlatform(QTextStream& err)
    : m_platform(err)
    , m_previous(SetMessageBoxes(&m_platform))
{
}

ScopedCliPlatform::~ScopedCliPlatform() { SetMessageBoxes(m_previous); }
