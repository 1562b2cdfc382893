#include "PointTableView.h"

#include <QHeaderView>
#include <QPaintEngine>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QtTest>

namespace {
// The point table's look: translucent cells over the frame behind them, which
// also makes the grid colour translucent.
const char StyleSheet[] = "QTableView{\tbackground: none; \tbackground-color:rgba(255,255,255,180);}";

// Keeps what a widget asks its paint engine for: the lines stroked with a
// visible pen and the one-pixel-wide or -high rectangles filled.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyPen)
            pen = state.pen();
        if (state.state() & QPaintEngine::DirtyBrush)
            brush = state.brush();
    }
    void drawLines(const QLineF *, int count) override
    {
        if (pen.style() != Qt::NoPen)
            strokedLines += count;
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRect r = rects[i].toRect();
            if (brush.style() != Qt::NoBrush && (r.width() == 1 || r.height() == 1))
                filledLines << r;
        }
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPath(const QPainterPath &) override {}

    QPen pen;
    QBrush brush;
    int strokedLines = 0;
    QList<QRect> filledLines;
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(QSize size) : size(size) {}
    QPaintEngine *paintEngine() const override { return &engine; }
    mutable RecordingEngine engine;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size.width();
        case PdmHeight: return size.height();
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmWidthMM: return size.width() * 254 / 960;
        case PdmHeightMM: return size.height() * 254 / 960;
        }
        return 0;
    }

private:
    QSize size;
};

struct Layout {
    int rows = 0;
    int columns = 0;
    QSize size;
    bool rightToLeft = false;
    bool scrolled = false;
    QList<int> hiddenColumns;
    QList<int> hiddenRows;
    QList<QRect> region;   // what is repainted; empty for the whole view
};
}
Q_DECLARE_METATYPE(Layout)

class TestPointTableView : public QObject {
    Q_OBJECT
private slots:
    void samePixelsAsQTableView_data();
    void samePixelsAsQTableView();
    void gridLinesStayOnThisThread();

private:
    static QImage paint(QTableView *view, const Layout &layout, QStandardItemModel *model);
};

QImage TestPointTableView::paint(QTableView *view, const Layout &layout, QStandardItemModel *model)
{
    QWidget window;
    window.setStyleSheet(QLatin1String(StyleSheet));
    window.setLayoutDirection(layout.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    view->setParent(&window);
    view->setModel(model);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setDefaultSectionSize(26);
    view->verticalHeader()->hide();
    for (int c : layout.hiddenColumns)
        view->setColumnHidden(c, true);
    for (int r : layout.hiddenRows)
        view->setRowHidden(r, true);
    view->resize(layout.size);
    window.resize(layout.size);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return QImage();
    if (layout.scrolled) {
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
        view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum() / 2);
    }
    QImage image(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::darkCyan);
    QRegion region;
    for (const QRect &r : layout.region)
        region += r;
    if (region.isEmpty())
        region = QRegion(view->viewport()->rect());
    view->viewport()->render(&image, QPoint(), region, QWidget::DrawChildren);
    view->setParent(nullptr);
    return image;
}

void TestPointTableView::samePixelsAsQTableView_data()
{
    QTest::addColumn<Layout>("layout");
    Layout tall;
    tall.rows = 250;
    tall.columns = 12;
    tall.size = QSize(1260, 856);
    QTest::newRow("taller and narrower than the rows and columns") << tall;
    Layout small = tall;
    small.rows = 5;
    small.columns = 4;
    QTest::newRow("rows and columns end inside the view") << small;
    Layout scrolled = tall;
    scrolled.columns = 30;
    scrolled.scrolled = true;
    QTest::newRow("scrolled both ways") << scrolled;
    Layout hidden = tall;
    hidden.hiddenColumns = {0, 3, 4, 11};
    hidden.hiddenRows = {1, 2, 7};
    QTest::newRow("hidden rows and columns") << hidden;
    Layout rtl = tall;
    rtl.rightToLeft = true;
    QTest::newRow("right to left") << rtl;
    Layout rtlSmall = small;
    rtlSmall.rightToLeft = true;
    QTest::newRow("right to left, rows and columns end inside") << rtlSmall;
    Layout part = tall;
    part.region = {QRect(130, 40, 400, 300), QRect(450, 500, 333, 217), QRect(0, 830, 1260, 26)};
    QTest::newRow("a region of three rectangles") << part;
}

// The grid is drawn by other means than QTableView's own: the pixels must not
// tell.
void TestPointTableView::samePixelsAsQTableView()
{
    QFETCH(Layout, layout);
    QStandardItemModel model(layout.rows, layout.columns);
    for (int r = 0; r < layout.rows; ++r)
        for (int c = 0; c < layout.columns; ++c)
            model.setItem(r, c, new QStandardItem(QStringLiteral("%1/%2").arg(r + 1).arg(c + 1)));

    auto *plain = new QTableView;
    auto *ours = new PointTableView;
    const QImage expected = paint(plain, layout, &model);
    const QImage actual = paint(ours, layout, &model);
    delete plain;
    delete ours;
    QVERIFY(!expected.isNull());
    QCOMPARE(actual.size(), expected.size());
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (expected.pixel(x, y) != actual.pixel(x, y) && differing++ == 0)
                first = QPoint(x, y);
    QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 pixels differ, the first at (%2, %3)")
                                            .arg(differing).arg(first.x()).arg(first.y())));
}

// What keeps a repaint fast: no grid line is stroked, and none is filled in
// one piece taller than the raster engine blends on the painting thread.
void TestPointTableView::gridLinesStayOnThisThread()
{
    QStandardItemModel model(250, 12);
    QWidget window;
    window.setStyleSheet(QLatin1String(StyleSheet));
    auto *view = new PointTableView(&window);
    view->setModel(&model);
    view->verticalHeader()->hide();
    view->resize(1260, 856);
    window.resize(view->size());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    RecordingDevice device(view->viewport()->size());
    view->viewport()->render(&device, QPoint(), QRegion(), QWidget::DrawChildren);
    const RecordingEngine &drawn = device.engine;
    QCOMPARE(drawn.strokedLines, 0);
    int vertical = 0;
    for (const QRect &r : drawn.filledLines) {
        QVERIFY2(r.height() <= 95, qPrintable(QStringLiteral("a fill %1 scanlines tall").arg(r.height())));
        if (r.width() == 1 && r.height() > 1)
            ++vertical;
    }
    // every column's line, from the top of the view to its bottom, in pieces
    QVERIFY(vertical >= 12 * (view->viewport()->height() / 95));
}

QTEST_MAIN(TestPointTableView)
#include "tst_PointTableView.moc"
