// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/FileDropTarget.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

CFileDropTarget::CFileDropTarget(QWidget& window, OpenFunction open)
    : QObject(&window)
    , m_open(std::move(open))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

QStringList CFileDropTarget::DroppedFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (!QFileInfo(path).isDir())
            files << path;
    }
    return files;
}

bool CFileDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (DroppedFiles(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = DroppedFiles(drop->mimeData());
        if (files.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        OpenLater(files);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void CFileDropTarget::OpenLater(const QStringList& files)
{
    // The file manager waits for the drop to end; a damaged file's message box must not keep
    // it waiting, so the files open once the drop has returned.
    QTimer::singleShot(0, this, [this, files] {
        for (const QString& file : files)
            m_open(file);
    });
}
