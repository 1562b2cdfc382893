#pragma once
#include <QWidget>

#include <memory>

class MyActionsWidget;
class MyElementsWidget;
class MyLogicActionsWidget;

namespace Ui {
class MyMainWidget;
}

// The central widget of panelsetup's main window: the tabs of the three site
// editors, "Elements", "Events" and, in advanced mode only, "Logic events".
// It tells the window when the "Elements" tab is entered or left.
//
// The three editors are children of this widget for its whole life; the
// logic-events editor keeps its content while its tab is away.
class MyMainWidget : public QWidget {
    Q_OBJECT
    // First member: the form is set up before the editors are made.
    std::unique_ptr<Ui::MyMainWidget> ui;

public:
    explicit MyMainWidget(QWidget *parent = nullptr);
    ~MyMainWidget() override;

    // Shows or removes the "Logic events" tab (index 2).
    void setAdvancedMode(bool on);
    void retranslateUi();
    // True while the "Elements" tab is the current one.
    bool elementTabCurrent() const;

    // The editors, reached by the main window to give them the site, connect
    // them and refresh them. Owned through the widget tree.
    MyElementsWidget *const elementsWidget;
    MyActionsWidget *const actionsWidget;
    MyLogicActionsWidget *const logicActionsWidget;

signals:
    void elementTabEnteredSignal();
    void elementTabLeavedSignal();

public slots:
    void tabChangedSlot(int tab);
};
