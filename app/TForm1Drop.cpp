#include "app/TForm1.h"

#include "document/Document.h"
#include "values/IoError.h"
#include "values/PosixFile.h"
#include "values/ValueFile.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// The one local value file a drag carries, or nothing.
QString DraggedValueFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QString path = data->urls().front().toLocalFile();
    return IsValueFileName(path) ? path : QString();
}

} // namespace

void TForm1::OpenFile(const QString& name)
{
    // The title shows the full name, as after "Öffnen...", and the save
    // dialog starts beside the file, not in the folder the editor began in.
    const QString path = QFileInfo(name).absoluteFilePath();
    Guard([this, &path] {
        if (!ConfirmDiscardChanges())
            return;
        if (!IsExistingFile(path))
            throw NoFileError(path);
        document_->Open(path);
    });
}

// X delivers a drag's data while it moves over the window; at the drop it
// fetches them again from the other program, which may have let them go
// already. The file seen on entering stands in for a drop that brings none.
void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    draggedFile_ = DraggedValueFile(event->mimeData());
    if (!draggedFile_.isEmpty())
        event->acceptProposedAction();
}

void TForm1::dragLeaveEvent(QDragLeaveEvent* /*event*/)
{
    draggedFile_.clear();
}

void TForm1::dropEvent(QDropEvent* event)
{
    QString path = DraggedValueFile(event->mimeData());
    if (path.isEmpty() && event->mimeData()->urls().isEmpty())
        path = draggedFile_;
    draggedFile_.clear();
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenFile(path);
}
