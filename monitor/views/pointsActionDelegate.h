#pragma once
#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// Draws the actions cell of a point (fire or output action on the left, LED on
// the right) and turns a click on an icon into a changed actions value written
// back through the model, which sends the request to the panel.
class pointsActionDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit pointsActionDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    enum Icon { NoIcon, LeftIcon, RightIcon };
    static Icon iconAt(const QPoint &position, const QRect &cell);

    // A request goes to the panel only for a left release whose press began on
    // the same icon of the same cell; a double click ends the press without one.
    QPersistentModelIndex pressedIndex;
    Icon pressedIcon = NoIcon;
};
