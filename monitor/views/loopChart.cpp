#include "loopChart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QVariant>

namespace {
int intProperty(const QWidget *w, const char *name)
{
    if (w == nullptr)
        return 0;
    bool ok = false;
    const int v = w->property(name).toInt(&ok);
    return ok ? v : 0;
}

// Both corners belong to the rectangle, whichever is higher.
QRect span(int x1, int y1, int x2, int y2)
{
    return QRect(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2)));
}
}

loopChart::loopChart(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(false);
    if (parent != nullptr)
        setGeometry(0, 0, parent->width(), parent->height());
}

void loopChart::setData(int loopNumber, QVector<int> counts, QVector<QString> labels)
{
    int sum = 0;
    for (int c : counts)
        sum += c;
    setData(loopNumber, std::move(counts), std::move(labels), sum);
}

void loopChart::setData(int loopNumber, QVector<int> counts, QVector<QString> labels, int devices)
{
    this->counts = std::move(counts);
    this->labels = std::move(labels);
    this->loopNumber = loopNumber;
    totalDevices = devices;
    scale = 0;
    for (int c : this->counts)
        scale = qMax(scale, c);
    if (scale == 0)
        scale = 1;
    // A widget's "width" and "height" are its own size, so the chart follows its
    // parent's; the minimum size still bounds it.
    setGeometry(0, 0, intProperty(parentWidget(), "width"), intProperty(parentWidget(), "height"));
    repaint();
}

void loopChart::paintEvent(QPaintEvent *)
{
    const int W = width();
    const int H = height();
    const int n = int(counts.size());
    QPainter painter(this);

    painter.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    painter.drawRect(span(1, 1, W - 1, H - 1));

    QPen grid(QColor(50, 50, 50, 120), 1, Qt::DashLine);
    painter.setPen(grid);
    if (H - 1 > 24 && H / 10 > 0) {
        for (int y = 25; y <= H - 1; y += H / 10)
            painter.drawLine(1, y, W - 1, y);
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 71, 131));
    painter.drawRect(span(1, 1, W - 1, 20));

    painter.setPen(QPen(QColor(229, 241, 255), 1));
    painter.drawText(span(0, 3, W - 1, 22), Qt::AlignHCenter, tr("Total devices:") + QLatin1Char(' ') + QString::number(totalDevices));

    QLinearGradient front(0, 0, 0, 1);
    front.setCoordinateMode(QGradient::ObjectBoundingMode);
    front.setColorAt(0, QColor(25, 145, 217));
    front.setColorAt(1, QColor(0, 4, 28));
    QLinearGradient back(0, 0, 0, 1);
    back.setCoordinateMode(QGradient::ObjectBoundingMode);
    back.setColorAt(0, QColor(0, 71, 131));
    back.setColorAt(1, Qt::black);

    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(0, H - 1, W, H - 1);

    if (n == 0)
        return;
    const int barWidth = W / n;
    const int unit = (H - 45) / scale;
    for (int i = 0; i < n; ++i) {
        const int X = 2 + i * barWidth;
        const int e = unit * counts.at(i) + 2;
        const QString label = i < labels.size() ? labels.at(i) : QString();
        const QString count = QString::number(counts.at(i));

        painter.setPen(Qt::NoPen);
        painter.setBrush(back);
        painter.drawRect(span(X, H, X + barWidth - 3, H - 2 - e));
        painter.setBrush(front);
        painter.drawRect(span(X, H, X + barWidth - 5, H - 1 - e));

        painter.setPen(QColor(34, 34, 55));
        if (e > 20) {
            painter.drawText(span(X + 1, H - e - 15, X + barWidth - 4, H - e + 4), Qt::AlignHCenter, label);
            painter.setPen(QColor(229, 241, 255));
            painter.drawText(span(X, H - e + 5, X + barWidth - 5, H - e + 24), Qt::AlignHCenter, count);
        } else {
            painter.drawText(span(X + 1, H - e - 35, X + barWidth - 4, H - e - 16), Qt::AlignHCenter, label);
            painter.drawText(span(X, H - e - 15, X + barWidth - 5, H - e + 4), Qt::AlignHCenter, count);
        }
    }
}
