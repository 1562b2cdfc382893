#include "ActionTreeWidget.h"

#include <QDropEvent>
#include <QMimeData>

ActionTreeWidget::ActionTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
}

bool ActionTreeWidget::isOurDrop(const QDropEvent *event) const
{
    if (!(event->possibleActions() & Qt::CopyAction))
        return false;
    const QMimeData *data = event->mimeData();
    if (!data)
        return false;
    const QStringList types = mimeTypes();
    for (const QString &type : types) {
        if (data->hasFormat(type))
            return true;
    }
    return false;
}

void ActionTreeWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (!isOurDrop(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    QTreeWidget::dragEnterEvent(event);
    if (event->isAccepted())
        event->setDropAction(Qt::CopyAction);
}

void ActionTreeWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (!isOurDrop(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    QTreeWidget::dragMoveEvent(event);
    if (event->isAccepted())
        event->setDropAction(Qt::CopyAction);
}

void ActionTreeWidget::dropEvent(QDropEvent *event)
{
    if (!isOurDrop(event)) {
        event->ignore();
        return;
    }
    if (!selectedItems().isEmpty())
        clearSelection();

    // The view's own handling accepts the proposed action again, which may be a
    // move: the source would then delete the dragged item. Copy, whatever it says.
    event->setDropAction(Qt::CopyAction);
    QTreeWidget::dropEvent(event);
    event->setDropAction(Qt::CopyAction);
    event->accept();

    QTreeWidgetItem *target = itemAt(event->position().toPoint());
    if (!target)
        return;
    if (target->flags() & Qt::ItemIsSelectable)
        target->setSelected(true);
    emit createEvent(target, 0);
}

bool ActionTreeWidget::dropMimeData(QTreeWidgetItem *, int, const QMimeData *, Qt::DropAction)
{
    return true;
}
