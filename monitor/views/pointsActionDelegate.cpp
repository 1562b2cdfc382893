#include "pointsActionDelegate.h"

#include "PointActionMask.h"
#include "virtualActions.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
bool actionsOf(const QModelIndex &index, virtualActions &value)
{
    const QVariant v = index.data(Qt::DisplayRole);
    if (v.metaType() != QMetaType::fromType<virtualActions>())
        return false;
    value = v.value<virtualActions>();
    return true;
}
}

pointsActionDelegate::pointsActionDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void pointsActionDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    virtualActions value;
    if (!actionsOf(index, value)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    if (option.state & QStyle::State_MouseOver)
        painter->fillRect(option.rect, option.palette.highlight());
    value.paint(painter, option.rect, option.palette);
}

QSize pointsActionDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    virtualActions value;
    if (actionsOf(index, value))
        return value.sizeHint();
    return QStyledItemDelegate::sizeHint(option, index);
}

pointsActionDelegate::Icon pointsActionDelegate::iconAt(const QPoint &position, const QRect &cell)
{
    const virtualActions geometry;
    const QPoint p(position.x() - (cell.left() + cell.width() / 2 - 35), position.y() - cell.top());
    if (geometry.leftRect.contains(p))
        return LeftIcon;
    if (geometry.rightRect.contains(p))
        return RightIcon;
    return NoIcon;
}

bool pointsActionDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                       const QModelIndex &index)
{
    const QEvent::Type type = event->type();
    // Any press or double click starts over, on whatever cell it lands.
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        pressedIcon = NoIcon;

    virtualActions value;
    if (!actionsOf(index, value))
        return false;
    if (type == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            pressedIndex = index;
            pressedIcon = iconAt(mouse->position().toPoint(), option.rect);
        }
        return true;
    }
    if (type != QEvent::MouseButtonRelease)
        return true;

    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return true;
    const Icon pressed = pressedIcon;
    pressedIcon = NoIcon;
    if (pressed == NoIcon || pressedIndex != QPersistentModelIndex(index)
        || iconAt(mouse->position().toPoint(), option.rect) != pressed)
        return true;

    quint8 actions = value.actions;
    if (pressed == LeftIcon) {
        if (value.mask & PointActionMask::Fire)
            actions |= 0x10;   // the table only switches a fire action on; the reset key clears it
        else if (value.mask & PointActionMask::Output)
            actions = quint8(((actions & 0x10) ^ 0x10) | (actions & 0x0F));
        else
            return true;
    } else {
        if (!(value.mask & PointActionMask::Led))
            return true;   // a beam has no LED action: nothing drawn there, nothing sent
        actions = quint8((actions & 0xF0) | ((actions & 0x02) ? 0 : 2));
    }
    if (actions == value.actions)
        return true;   // a fire action already on
    value.actions = actions;
    model->setData(index, QVariant::fromValue(value), Qt::EditRole);
    return true;
}
