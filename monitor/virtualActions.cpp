#include "virtualActions.h"
#include "PointActionMask.h"

#include <QPainter>

virtualActions::virtualActions(quint8 actions, quint8 mask)
    : leftRect(QPoint(0, 0), QPoint(24, 24)),
      rightRect(QPoint(45, 0), QPoint(69, 24)),
      actions(actions),
      mask(mask)
{
    if (mask & PointActionMask::Fire) {
        leftOffImage = QImage(QStringLiteral(":/res/icons/fireActionOff.png"));
        leftOnImage = QImage(QStringLiteral(":/res/icons/fireActionOn.png"));
    }
    if (mask & PointActionMask::Output) {
        leftOffImage = QImage(QStringLiteral(":/res/icons/outActionOff.png"));
        leftOnImage = QImage(QStringLiteral(":/res/icons/outActionOn.png"));
    }
    if (mask & PointActionMask::Led) {
        rightOffImage = QImage(QStringLiteral(":/res/icons/ledActionOff.png"));
        rightOnImage = QImage(QStringLiteral(":/res/icons/ledActionOn.png"));
    }
}

void virtualActions::paint(QPainter *painter, const QRect &rect, const QPalette &) const
{
    painter->save();
    painter->translate(rect.x() + (rect.width() - 70) / 2, rect.y() + (rect.height() - 25) / 2);
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QImage &left = actions < 0x10 ? leftOffImage : leftOnImage;
    if (!left.isNull())
        painter->drawImage(leftRect, left, left.rect());
    const QImage &right = (actions & 0x0F) == 2 ? rightOnImage : rightOffImage;
    if (!right.isNull())
        painter->drawImage(rightRect, right, right.rect());
    painter->restore();
}
