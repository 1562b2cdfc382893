#pragma once
#include <QImage>
#include <QMetaType>
#include <QRect>
#include <QSize>
#include <QtGlobal>

class QPainter;
class QPalette;

// The value of the point table's actions column: a point's actions byte and its
// action mask, drawn as two icons side by side, the fire or output action on the
// left and the LED action on the right.
class virtualActions {
public:
    virtualActions(quint8 actions = 0, quint8 mask = 0);

    QSize sizeHint() const { return QSize(70, 25); }
    // Draws the pair centred in `rect`.
    void paint(QPainter *painter, const QRect &rect, const QPalette &palette) const;

    QRect leftRect;
    QRect rightRect;
    quint8 actions = 0;
    quint8 mask = 0;
    QImage leftOffImage;
    QImage leftOnImage;
    QImage rightOffImage;
    QImage rightOnImage;
};

Q_DECLARE_METATYPE(virtualActions)
