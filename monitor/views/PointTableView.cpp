#include "PointTableView.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <utility>

namespace {
// The raster engine blends up to 95 scanlines of one fill on the calling thread.
constexpr int BandHeight = 64;

void fillInBands(QPainter &painter, const QRect &rect, const QColor &color)
{
    for (int y = rect.top(); y <= rect.bottom(); y += BandHeight)
        painter.fillRect(QRect(rect.left(), y, rect.width(), qMin(BandHeight, rect.bottom() - y + 1)), color);
}
}

PointTableView::PointTableView(QWidget *parent)
    : QTableView(parent)
{
    setGridStyle(Qt::NoPen);
}

void PointTableView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (!showGrid() || horizontalHeader()->count() == 0 || verticalHeader()->count() == 0 || !itemDelegate())
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QColor color = QColor::fromRgba(QRgb(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
    QPainter painter(viewport());
    for (const QRect &area : event->region())
        paintGrid(painter, area, color);
}

// The lines QTableView draws for one rectangle of the repainted region: under
// each row and beside each column that meets it, across the whole rectangle but
// not past the last row or column.
void PointTableView::paintGrid(QPainter &painter, QRect area, const QColor &color) const
{
    const QHeaderView *columns = horizontalHeader();
    const QHeaderView *rows = verticalHeader();
    const bool rightToLeft = isRightToLeft();
    const int lastX = columns->length() - columns->offset() - (rightToLeft ? 0 : 1);
    const int lastY = rows->length() - rows->offset() - 1;
    area.setBottom(qMin(area.bottom(), lastY));
    if (rightToLeft)
        area.setLeft(qMax(area.left(), viewport()->width() - lastX));
    else
        area.setRight(qMin(area.right(), lastX));
    if (!area.isValid())
        return;

    int left = columns->visualIndexAt(area.left());
    int right = columns->visualIndexAt(area.right());
    if (rightToLeft)
        std::swap(left, right);
    if (left == -1)
        left = 0;
    if (right == -1)
        right = columns->count() - 1;
    const int top = rows->visualIndexAt(area.top());
    int bottom = rows->visualIndexAt(area.bottom());
    if (bottom == -1)
        bottom = rows->count() - 1;
    if (top == -1 || top > bottom)
        return;

    for (int visual = top; visual <= bottom; ++visual) {
        const int row = rows->logicalIndex(visual);
        if (rows->isSectionHidden(row))
            continue;
        const int y = rowViewportPosition(row) + rowHeight(row) - 1;
        fillInBands(painter, QRect(area.left(), y, area.width(), 1), color);
    }
    for (int visual = left; visual <= right; ++visual) {
        const int column = columns->logicalIndex(visual);
        if (columns->isSectionHidden(column))
            continue;
        int x = columnViewportPosition(column);
        if (!rightToLeft)
            x += columnWidth(column) - 1;
        fillInBands(painter, QRect(x, area.top(), 1, area.height()), color);
    }
}
