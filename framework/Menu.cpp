// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Menu.h"

QString StripMnemonic(const QString& text)
{
    QString label;
    label.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&') {
            // "&&" is a literal ampersand; a single '&' only marks the next letter.
            if (i + 1 < text.size() && text.at(i + 1) == u'&')
                label += text.at(++i);
            continue;
        }
        label += text.at(i);
    }
    return label;
}

QString MenuItem::Label() const { return StripMnemonic(text.section(u'\t', 0, 0)); }

QString MenuItem::ShortcutText() const
{
    const qsizetype tab = text.indexOf(u'\t');
    return tab < 0 ? QString() : text.mid(tab + 1);
}
