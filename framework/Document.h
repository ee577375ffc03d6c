// SPDX-License-Identifier: GPL-3.0-or-later
// CDocument: the base of every document. Holds the modified flag, the path and title, and the
// views that show the document; the document manager drives opening and saving through the
// virtual hooks below.
#pragma once

#include "framework/CmdTarget.h"

#include <QString>
#include <vector>

class CArchive;
class CView;
class CMultiDocTemplate;

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    virtual ~CDocument();
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    virtual bool IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

    const QString& GetPathName() const { return m_strPathName; }
    // Sets the path and takes the file name as the title.
    void SetPathName(const QString& path);
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);

    // Reads or writes the document's contents.
    virtual void Serialize(CArchive& ar) = 0;

    virtual bool OnNewDocument();
    // Reads the file into this document. On failure the framework's message has been shown and
    // the document should be discarded.
    virtual bool OnOpenDocument(const QString& path);
    // Called once a document opened from a file has its window, for what the user should know
    // about what was read.
    virtual void OnOpenedInWindow() { }
    // Writes the document to path. The file is encoded in memory first and replaced atomically
    // (WriteFileAtomically), so a failure leaves the old file as it was; it is reported with
    // "Failed to save document." and the document stays modified.
    virtual bool OnSaveDocument(const QString& path);
    virtual void DeleteContents() { }

    // Views
    void AddView(CView* view);
    void RemoveView(CView* view);
    const std::vector<CView*>& GetViews() const { return m_views; }
    // Tells every view except sender that the document changed.
    void UpdateAllViews(CView* sender, long hint = 0, void* hintObject = nullptr);

    // Called whenever the title changes, so frames can refresh their captions.
    virtual void OnTitleChanged();

    // The save-and-close protocol of the document manager.
    // Asks "Save changes to <name>?" for a modified document; false when the user cancels or
    // the save fails.
    virtual bool SaveModified();
    // Saves to path, or asks for a path first when it is empty; the document then takes the
    // path as its own. Returns false when cancelled or failed.
    bool DoSave(const QString& path);
    bool DoFileSave();
    // Closes every window of the document; the template then destroys it.
    virtual void OnCloseDocument();

    // File Close, Save and Save As.
    bool OnCmdMsg(int id, CCmdUI* pCmdUI) override;
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    CMultiDocTemplate* m_pDocTemplate = nullptr;

private:
    bool m_bModified = false;
    QString m_strPathName;
    QString m_strTitle;
    std::vector<CView*> m_views;
};
