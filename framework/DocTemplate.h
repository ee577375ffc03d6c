// SPDX-License-Identifier: GPL-3.0-or-later
// CMultiDocTemplate: makes a document, a child frame and a view for each new or opened file,
// owns the open documents, and destroys a document when its last window closes.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class CDocument;
class CView;
class CMDIChildWnd;
class CMDIFrameWnd;

class CMultiDocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<CMDIChildWnd*()>;
    using ViewFactory = std::function<CView*()>;

    // docString holds seven line-feed separated fields: window title, document base name, new
    // name, filter name, extension, file type id and file type name. The resource id is taken
    // for the callers' sake only: menus and icons come from the program's tables.
    CMultiDocTemplate(int resourceId, const QString& docString, DocumentFactory makeDocument,
        FrameFactory makeFrame, ViewFactory makeView);
    ~CMultiDocTemplate();

    QString DocString(int field) const;
    QString BaseName() const { return DocString(1); }
    QString FileExtension() const { return DocString(4); }
    // "Icon Files (*.ico)"
    QString FileFilter() const;

    void SetMainFrame(CMDIFrameWnd* frame) { m_pMainFrame = frame; }

    // Creates an untitled document (path empty) or opens the file; returns null when opening
    // failed, in which case no window is left behind. A file already open is activated.
    CDocument* OpenDocumentFile(const QString& path);
    CDocument* FindOpenDocument(const QString& path) const;
    const std::vector<std::unique_ptr<CDocument>>& Documents() const { return m_documents; }

    // Closes every frame of doc and destroys it.
    void CloseDocument(CDocument* doc);
    // Called by a child frame when it has closed; destroys its document when no view is left.
    void OnFrameClosed(CDocument* doc);
    void OnDocumentTitleChanged(CDocument* doc);
    void OnDocumentSaved(CDocument* doc);
    // Saves or discards every modified document; false when the user cancelled.
    bool SaveAllModified();
    // Closes all documents without asking.
    void CloseAllDocuments();

    // Notified when a document was opened from or saved to a path (the recent-file list).
    std::function<void(const QString&)> onFileUsed;

private:
    CMDIChildWnd* CreateFrame(CDocument* doc);
    // Lets a document opened from a file speak once its window is up.
    void TellOpened(CDocument* doc);
    std::vector<CMDIChildWnd*> FramesOf(CDocument* doc) const;

    QStringList m_docFields;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    ViewFactory m_makeView;
    CMDIFrameWnd* m_pMainFrame = nullptr;
    std::vector<std::unique_ptr<CDocument>> m_documents;
    int m_nUntitledCount = 0;
};
