// SPDX-License-Identifier: GPL-3.0-or-later
// CStartupTipDlg: the tip of the day. Shows one tip at a time from the tips file and walks
// through the file from one showing to the next, across runs.
//
// The tips file is plain text. A line that starts with a space, a tab or ';', and an empty
// line, is a comment; every other line is one tip, shown as it is. Lines are read in pieces of
// at most kMaxPiece bytes, and each piece counts as a line of its own.
//
// Settings, section "Tip": "StartUp" (0: show the tips at start-up, anything else: do not),
// "FilePos" (byte offset at which the next tip is searched) and "TimeStamp" (the file's time
// stamp when "FilePos" was last reset; a different stamp starts the walk at the top again).
#pragma once

#include "framework/Dialog.h"

#include <QString>

#include <cstdio>
#include <memory>

class CStartupTipDlg : public CDialog {
    Q_OBJECT
public:
    // The longest piece of a line read as one tip, in bytes.
    static constexpr int kMaxPiece = 999;

    // Opens "tips.txt" where the program finds its data files (see DataFiles.h), reads the
    // settings and takes the next tip. Problems reading the file are reported here, so a caller
    // that never runs the dialog still advances the walk by one tip.
    explicit CStartupTipDlg(QWidget* parent = nullptr);
    // The same with the tips read from tipsFile.
    CStartupTipDlg(QWidget* parent, const QString& tipsFile);
    // Remembers where the walk stopped ("FilePos") when the tips file is open.
    ~CStartupTipDlg() override;
    CStartupTipDlg(const CStartupTipDlg&) = delete;
    CStartupTipDlg& operator=(const CStartupTipDlg&) = delete;

    // Dialog data: 1 when the tips are shown at start-up (the check box), and the tip shown.
    int m_bStartup = 1;
    QString m_strTip;

    // Shows the members; "&Next Tip" is disabled when there is no tips file to read.
    void OnInitDialog() override;
    // Makes the next tip of the file the current one, wrapping at the end of the file.
    void GetNextTip();

    bool HasTipsFile() const { return m_pStream != nullptr; }

protected:
    // The check box with m_bStartup, the tip's text with m_strTip.
    void DoDataExchange(CDataExchange& dx) override;
    // "&Close" (IDOK): keeps the check box's choice in "StartUp". Escape and the close box
    // do not.
    void OnOK() override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct StreamCloser {
        void operator()(std::FILE* stream) const { std::fclose(stream); }
    };

    void OpenTipsFile(const QString& tipsFile);
    void OnNextTip();
    // Reads the next piece of a line; false at the end of the file or on a read error.
    bool ReadPiece(QByteArray& piece);
    // Seeks to the top of the file; reports and answers false when that fails.
    bool RewindToTop();

    std::unique_ptr<std::FILE, StreamCloser> m_pStream;
};
