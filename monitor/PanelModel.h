#pragma once
#include "MyConfigOptions.h"
#include "USBDataReader.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <array>

class QTimer;

// The monitor's point table: 250 rows, one per address of the shown loop, and 18
// columns of point data. It is also the monitor's link reader and owns the panel
// image, the sample histories and the poll timer; the main window and the views
// reach the link and the image only through it.
class PanelModel : public QAbstractTableModel, private USBDataReader {
    Q_OBJECT
public:
    enum Column {
        ColAddress, ColType, ColStatus, ColDescription, ColZone, ColVersion, ColAlarms, ColFaults,
        ColNormalized, ColAbsolute, ColAbsoluteMin, ColAbsoluteMax, ColCommsQuality, ColCommsErrors,
        ColTotalComms, ColThreshold, ColSensibility, ColActions, ColumnCount
    };
    static constexpr int RowCount = USBDataReader::Addresses;
    // The poll periods the options accept are the ones the timer runs at.
    static constexpr int DefaultPollInterval = int(MyConfigOptions::DefaultPeriode);
    static constexpr int MinPollInterval = int(MyConfigOptions::MinPeriode);
    static constexpr int MaxPollInterval = int(MyConfigOptions::MaxPeriode);
    static constexpr int MinThreshold = 10;
    static constexpr int MaxThreshold = 60;
    static constexpr int MinSensibility = 1;
    static constexpr int MaxSensibility = 5;

    explicit PanelModel(QObject *parent = nullptr);
    ~PanelModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // link and image
    bool openPort();
    void closePort();   // also stops polling
    bool isConnected() const { return USBDataReader::isConnected(); }
    using USBDataReader::setRequestGate;
    QString panelVersion() const { return USBDataReader::panelVersion(); }
    QString loopVersion(quint8 loop) const { return USBDataReader::loopVersion(loop); }
    // The outputs are reset first, also when not connected (false, nothing sent).
    bool readPanelInfo(quint8 &loopCount, quint8 presence[8], quint8 &maxPoints)
    {
        return USBDataReader::readPanelInfo(loopCount, presence, maxPoints);
    }
    bool exploreLoop(quint8 loop);
    void clearPoints();
    bool readPointState(quint8 loop, quint8 address);
    bool readPointCounters(quint8 loop, quint8 address);
    bool readPointThreshold(quint8 loop, quint8 address);
    bool readPointSensibility(quint8 loop, quint8 address);
    // Refused (false, nothing sent) outside MinThreshold..MaxThreshold.
    bool setPointThreshold(quint8 loop, quint8 address, quint8 value);
    // Refused (false, nothing sent) outside MinSensibility..MaxSensibility.
    bool setPointSensibility(quint8 loop, quint8 address, quint8 value);
    quint8 pointType(quint8 loop, quint8 address) const { return point(loop, address).type; }
    bool isRowHidden(int row) const;
    // The point's sample list; it stays at the same place for the model's life.
    const QList<PointHistorySample> *history(quint8 loop, quint8 address) const;
    // A copy of a point record, for reading (loop 0-7, address 0-249).
    const LoopPoint &loopPoint(quint8 loop, quint8 address) const { return point(loop, address); }

    // statistics of a loop
    int countPointsInError(quint8 loop) const { return errorPointCount(loop); }
    int countPresentPoints(quint8 loop) const { return presentCount(loop); }
    int countPointsOfType(quint8 loop, quint8 type) const { return countByType(loop, type); }
    void loopCommsTotals(quint8 loop, int &errors, int &polls) const;

    // polling
    void startPolling();
    void stopPolling();
    void stopPollingIfActive();
    bool isPollingActive() const;
    // Milliseconds; a period outside MinPollInterval..MaxPollInterval sets the default.
    void setPollInterval(int ms);
    int pollInterval() const;
    void setPollFlags(bool normalized, bool absolute);
    void resetLoopValues();
    void showLoop(quint8 loop);
    quint8 currentLoop() const { return shownLoop; }

    // actions and keys
    bool setPointAlarm(quint8 address);
    bool setPointOutput(quint8 address, quint8 on);
    bool setPointLed(quint8 address, quint8 mode);
    bool applyActions(int row, quint8 high, quint8 led);
    bool sendPanelKey(quint8 key);

    // history
    void setDataLogging(bool on, const QString &path) { setLogging(on, path); }
    void clearHistory(int &progress) { USBDataReader::clearHistory(progress); }
    bool exportHistory(const QString &fileName) const { return USBDataReader::exportHistory(shownLoop, fileName); }

    void emitRowChanged(int row);
    void emitAllChanged();

    QString statusText(const LoopPoint &p) const;
    QIcon statusIcon(const LoopPoint &p) const;
    QIcon typeIcon(int type) const;

public slots:
    void timerSlot();

private:
    enum StateIcon { IconRed, IconYellow, IconGray, IconGreen, IconBlue };
    static bool hasParameters(const LoopPoint &p) { return p.type == LoopPoint::Optical || p.type == LoopPoint::OpticalHeat; }
    bool validIndex(const QModelIndex &index) const;
    QVariant displayValue(const LoopPoint &p, int column) const;
    bool writeParam(quint8 loop, quint8 address, quint8 parameter, int value, int min, int max);
    bool readParam(quint8 loop, quint8 address, quint8 parameter);

    std::array<QIcon, 5> stateIcons;
    std::array<QIcon, LoopPoint::LastType + 1> typeIcons;
    QTimer *pollTimer = nullptr;
    QStringList headers;
    quint8 shownLoop = 0;
    quint8 pollCursor = 0;
    bool readNormalized = false;
    bool readAbsolute = true;
    bool ledLit = false;
    quint8 ledLoop = 0;
    quint8 ledAddress = 0;
};
