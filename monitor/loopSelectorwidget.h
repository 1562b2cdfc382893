#pragma once
#include <QPointer>
#include <QWidget>

#include <memory>

class QMenu;
namespace Ui {
class loopSelectorwidget;
}

// The "Connection" toolbar's loop selector: shows the loop on screen as "n/count",
// steps to the previous or next present loop with its arrows and offers every
// loop of the panel in its context menu. It keeps its own copy of the selected
// loop and reports a user's choice through loopChange(); the main window feeds it
// the panel's loops after each connection.
class loopSelectorwidget : public QWidget {
    Q_OBJECT
public:
    // The monitor holds at most this many loops (indexes 0..7).
    static constexpr int MaxLoops = 8;

    explicit loopSelectorwidget(QWidget *parent = nullptr);
    ~loopSelectorwidget() override;

    // Each setter ends with the arrow rule. A count above MaxLoops is taken as MaxLoops.
    void setLoopCount(unsigned char count);
    // Copies the first count flags, at most MaxLoops; non-zero means present.
    void setPresentLoops(const unsigned char *flags, int count);
    // Shows the loop index without emitting loopChange(); an index past the last loop is ignored.
    void setCurrentLoop(unsigned char loop);
    // The two arrows and the "n/count" label; the caption "Loop" stays as it is.
    void setControlsEnabled(bool enabled);

signals:
    void loopChange(unsigned char loop);

public slots:
    void SetPrevLoop();
    void SetNextLoop();
    void selectLoopSlot();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void updateButtons();
    void showLoopText();
    // Deletes a menu that has closed, once deferred deletions next run, unless
    // it is still delivering a choice then (see selectLoopSlot).
    void retireClosedMenu(QMenu *menu);

    std::unique_ptr<Ui::loopSelectorwidget> ui;
    unsigned char selectedLoop = 0;
    unsigned char loopCount = 0;
    unsigned char presentLoops[MaxLoops] = {};
    bool countKnown = false;
    bool controlsEnabled = false;
    QPointer<QMenu> contextMenu;
    // The menu whose choice is being handled: its mouse or key handler is still
    // running under the window's change of loop.
    QMenu *deliveringMenu = nullptr;
};
