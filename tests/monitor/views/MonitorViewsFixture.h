#pragma once
// A connected monitor over the simulated panel, with the real central widget on
// show: the model, its options, the widget and a handle on what reached the panel.
#include "MyConfigOptions.h"
#include "MyMainWidget.h"
#include "PanelModel.h"
#include "SimPanel.h"
#include "SimPointCommands.h"

#include <QByteArray>
#include <QList>
#include <QTableView>
#include <memory>

class MonitorViewsFixture {
public:
    // A panel whose eight loops hold no element, the model connected to it.
    MonitorViewsFixture();
    ~MonitorViewsFixture();

    // Stores an element record on the simulated panel (read by load()).
    void configure(int loop, int address, int type, int enabled = 1, const QByteArray &description = "Point");
    // Reads a loop's elements into the model, then forgets every request so far.
    bool load(int loop = 0);
    // The central widget over the model, shown; its table and the view index of
    // an address (0-based) and column.
    MyMainWidget *createWidget();
    QTableView *table() const;
    QModelIndex viewIndex(int address, int column) const;
    // The cell's rectangle in the table's viewport, scrolled into view.
    QRect cellRect(int address, int column) const;

    void clearRequests();
    // Every request the panel received since the last clearRequests(), in order;
    // or those of one command.
    QList<QByteArray> requests() const { return sim::SimPanel::instance().requests(); }
    QList<QByteArray> requests(quint8 code) const;

    std::unique_ptr<sim::SimPointCommands> sim;
    std::unique_ptr<MyConfigOptions> options;
    std::unique_ptr<PanelModel> model;
    std::unique_ptr<MyMainWidget> widget;
};

// A double click as the window system delivers it: press, release, press,
// double click, release.
void doubleClick(QWidget *widget, QPoint at);

// Request payloads written byte by byte.
QByteArray bytes(std::initializer_list<int> values);
