#pragma once

#include <QTreeWidget>

// The tree of action targets of the events page. It takes drops of items
// dragged from the event tree and turns each into a request to create a
// maneuver on the item under the drop point; it never inserts anything.
//
// A drop is always a copy, so the dragged item stays where it was; a drop that
// does not carry tree items (our MIME type), or cannot be a copy, is ignored.
class ActionTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    explicit ActionTreeWidget(QWidget *parent = nullptr);

signals:
    void createEvent(QTreeWidgetItem *item, int column);

protected:
    void dropEvent(QDropEvent *event) override;
    bool dropMimeData(QTreeWidgetItem *parent, int index, const QMimeData *data,
                      Qt::DropAction action) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;

private:
    bool isOurDrop(const QDropEvent *event) const;
};
