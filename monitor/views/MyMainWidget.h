#pragma once
#include <QModelIndex>
#include <QPointer>
#include <QString>
#include <QVector>
#include <QWidget>

class DialogPlot;
class MyConfigOptions;
class MyQSortFilterProxyModel;
class PanelModel;
class loopChart;
namespace Ui {
class MyMainWidget;
}

// loopwatch's central view: on the left the statistics pane (panel information
// with the bar chart of elements per type, communication statistics of the shown
// loop), on the right the point table of the shown loop. A double click on a row
// charts the point; Ctrl+Shift+D reads every detector's threshold and
// sensitivity from the panel and shows their columns (pressed again, hides them).
class MyMainWidget : public QWidget {
    Q_OBJECT
public:
    // Neither the model nor the options are owned; both outlive the widget.
    MyMainWidget(PanelModel *model, MyConfigOptions *options, QWidget *parent = nullptr);
    ~MyMainWidget() override;

    // The panel group's title and its two labels; `secondText` is not shown.
    void showPanelStatistics(quint8 loopCount, quint8 maxPoints, const QString &version,
                             const QString &secondText = QString());
    // The statistics of the shown loop: the four value labels and the bar chart,
    // whose title counts `presentPoints` (every element of the loop). `typeCounts`
    // holds the counts of the types 1 to 10.
    void showCounters(int presentPoints, int totalPolls, int totalErrors, int pointsInError,
                      const QVector<int> &typeCounts);
    void showStatistics();
    void hideStatistics();
    // Off while polling runs, so rows do not jump while values change.
    void setDynamicSort(bool on);

    // The chart dialog, while one is open.
    DialogPlot *plotDialog() const;

    // While the main window runs a procedure of its own (connection, loop
    // exploration) no scan starts: the scan would talk to the panel in the
    // middle of it. Hiding the two columns stays possible.
    void setScanAllowed(bool allowed);
    bool isScanning() const { return scanning; }

signals:
    // Around each threshold and sensitivity scan, which lets events through
    // between its reads: the main window refuses its own commands meanwhile and
    // takes polling back as it wants it once the scan has ended.
    void scanStarted();
    void scanFinished();

public slots:
    void slotStartGraphics(const QModelIndex &index);
    void detectPlotterDestroy();
    void filterColumns();
    // The shown loop changed (options' currentLoop and the model's loop): the
    // table filters its rows again, whether or not the model announced anything.
    void slotLoopChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitColumnsToCaptions();
    void createLoopChart();
    void toggleAdvancedValues();
    // False when the user cancelled; polling runs again afterwards if it ran before.
    bool scanAdvancedValues();

    Ui::MyMainWidget *ui;
    PanelModel *model;
    MyQSortFilterProxyModel *proxy;
    MyConfigOptions *options;
    loopChart *chart = nullptr;
    QVector<int> typeCounts;
    QVector<QString> typeLabels;
    QPointer<DialogPlot> plot;
    // Whether the threshold and sensitivity columns were last shown by Ctrl+Shift+D.
    bool advancedValuesShown = false;
    bool scanning = false;
    bool scanAllowed = true;
};
