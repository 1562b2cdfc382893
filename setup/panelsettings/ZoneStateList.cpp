#include "ZoneStateList.h"

#include <QDropEvent>
#include <QMimeData>

const QString ZoneStateList::MimeType = QStringLiteral("application/x-panelsetup-zone");

ZoneStateList::ZoneStateList(QWidget *parent) : QListWidget(parent)
{
    setDefaultDropAction(Qt::CopyAction);
}

// The list's items are encoded and decoded under this type only, so a drop
// that does not carry it never reaches the list's model.
QStringList ZoneStateList::mimeTypes() const
{
    return {MimeType};
}

Qt::DropActions ZoneStateList::supportedDropActions() const
{
    return Qt::CopyAction;
}

bool ZoneStateList::takes(const QDropEvent *event) const
{
    const QAbstractItemView::DragDropMode mode = dragDropMode();
    return (mode == QAbstractItemView::DropOnly || mode == QAbstractItemView::DragDrop)
        && event->mimeData() && event->mimeData()->hasFormat(MimeType)
        && (event->possibleActions() & Qt::CopyAction);
}

void ZoneStateList::dragEnterEvent(QDragEnterEvent *event)
{
    if (!takes(event)) {
        event->ignore();
        return;
    }
    QListWidget::dragEnterEvent(event);
}

void ZoneStateList::dragMoveEvent(QDragMoveEvent *event)
{
    if (!takes(event)) {
        event->ignore();
        return;
    }
    QListWidget::dragMoveEvent(event);
}

void ZoneStateList::dropEvent(QDropEvent *event)
{
    if (!takes(event)) {
        event->ignore();
        return;
    }
    // Handled as a copy whatever the drag proposed, so the source list never
    // deletes the item it started from.
    QDropEvent copy(event->position(), Qt::CopyAction, event->mimeData(), event->buttons(), event->modifiers());
    QListWidget::dropEvent(&copy);
    event->setDropAction(Qt::CopyAction);
    event->setAccepted(copy.isAccepted());
}
