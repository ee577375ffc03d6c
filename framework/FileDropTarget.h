// SPDX-License-Identifier: GPL-3.0-or-later
// CFileDropTarget: lets files dragged from a file manager be dropped onto a window. Each local
// file in the drop is handed to the open function, in the order of the drop, as if it had been
// chosen in the Open dialog; anything else (web links, folders) is ignored, and a drag that
// carries no local file is refused, so the pointer shows it cannot be dropped.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;
class QWidget;

class CFileDropTarget : public QObject {
public:
    using OpenFunction = std::function<void(const QString& path)>;

    // Makes `window` accept drops; the target is a child of the window and lives as long.
    CFileDropTarget(QWidget& window, OpenFunction open);

    // The local files (not folders) a drag carries, in order.
    static QStringList DroppedFiles(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenLater(const QStringList& files);

    OpenFunction m_open;
};
