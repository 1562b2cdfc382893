#include "virtualActions.h"
#include "PointActionMask.h"

#include <QPainter>

namespace {
// The six icons, decoded once. The model makes a value for every actions cell
// each time a view asks for it (every repaint of the table), so each value
// shares these instead of reading its own from the resources.
struct ActionImages {
    QImage fireOff{QStringLiteral(":/res/icons/fireActionOff.png")};
    QImage fireOn{QStringLiteral(":/res/icons/fireActionOn.png")};
    QImage outputOff{QStringLiteral(":/res/icons/outActionOff.png")};
    QImage outputOn{QStringLiteral(":/res/icons/outActionOn.png")};
    QImage ledOff{QStringLiteral(":/res/icons/ledActionOff.png")};
    QImage ledOn{QStringLiteral(":/res/icons/ledActionOn.png")};
};

const ActionImages &actionImages()
{
    static const ActionImages images;
    return images;
}
}

virtualActions::virtualActions(quint8 actions, quint8 mask)
    : leftRect(QPoint(0, 0), QPoint(24, 24)),
      rightRect(QPoint(45, 0), QPoint(69, 24)),
      actions(actions),
      mask(mask)
{
    if (mask == 0)
        return;
    const ActionImages &images = actionImages();
    if (mask & PointActionMask::Fire) {
        leftOffImage = images.fireOff;
        leftOnImage = images.fireOn;
    }
    if (mask & PointActionMask::Output) {
        leftOffImage = images.outputOff;
        leftOnImage = images.outputOn;
    }
    if (mask & PointActionMask::Led) {
        rightOffImage = images.ledOff;
        rightOnImage = images.ledOn;
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
