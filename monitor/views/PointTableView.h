#pragma once
#include <QTableView>

class QPainter;

// The point table's view: a QTableView that draws its own grid lines, at the
// places and in the colour QTableView gives them, as short filled rectangles.
//
// QTableView strokes each grid line as a one-pixel line. The raster engine
// blends a stroke of more than about a hundred scanlines (every vertical line of
// a tall table) in pieces on its thread pool, and with the translucent grid
// colour of the table's style sheet it does the same for one tall rectangle.
// Waking those threads for every line of a repaint cost more than drawing all
// the cells. Rectangles of at most 64 scanlines are blended on this thread and
// give the same pixels.
//
// The base class is left to draw the cells with the grid's room kept between
// them (the grid stays on) and its own lines drawn with no pen.
class PointTableView : public QTableView {
    Q_OBJECT
public:
    explicit PointTableView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintGrid(QPainter &painter, QRect area, const QColor &color) const;
};
