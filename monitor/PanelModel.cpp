#include "PanelModel.h"
#include "PointActionMask.h"
#include "PointCommand.h"
#include "PointState.h"
#include "virtualActions.h"

#include <QColor>
#include <QDebug>
#include <QTimer>

namespace {
const char *const TypeIconPaths[LoopPoint::LastType + 1] = {
    nullptr,
    ":/res/icons/i_opto.png", ":/res/icons/i_heat.png", ":/res/icons/i_optoheat.png",
    ":/res/icons/i_mcp.png", ":/res/icons/i_cZona.png", ":/res/icons/i_io.png",
    ":/res/icons/i_out.png", ":/res/icons/i_sounder.png", ":/res/icons/i_convpanel.png",
    ":/res/icons/i_gas.png", ":/res/icons/i_remoteindicator.png", ":/res/icons/i_beam.png",
};

const char *const StateIconPaths[5] = {
    ":/res/icons/shield_red.png", ":/res/icons/shield_yellow.png", ":/res/icons/shield_gray.png",
    ":/res/icons/shield_green.png", ":/res/icons/shield_blue.png",
};

const char *const ColumnTitles[PanelModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("PanelModel", "Address"),
    QT_TRANSLATE_NOOP("PanelModel", "Type"),
    QT_TRANSLATE_NOOP("PanelModel", "Status"),
    QT_TRANSLATE_NOOP("PanelModel", "Description"),
    QT_TRANSLATE_NOOP("PanelModel", "Zone"),
    QT_TRANSLATE_NOOP("PanelModel", "Version"),
    QT_TRANSLATE_NOOP("PanelModel", "Number of alarms"),
    QT_TRANSLATE_NOOP("PanelModel", "Number of faults"),
    QT_TRANSLATE_NOOP("PanelModel", "Normalized value"),
    QT_TRANSLATE_NOOP("PanelModel", "Absolute value"),
    QT_TRANSLATE_NOOP("PanelModel", "Absolute min"),
    QT_TRANSLATE_NOOP("PanelModel", "Absolute max"),
    QT_TRANSLATE_NOOP("PanelModel", "Comms quality"),
    QT_TRANSLATE_NOOP("PanelModel", "Comms err."),
    QT_TRANSLATE_NOOP("PanelModel", "Total comms"),
    QT_TRANSLATE_NOOP("PanelModel", "Def. Threshold"),
    QT_TRANSLATE_NOOP("PanelModel", "Sensibility"),
    QT_TRANSLATE_NOOP("PanelModel", "Actions"),
};

quint8 ledNibble(quint8 actions) { return actions & 0x0F; }
}

PanelModel::PanelModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    pollTimer = new QTimer(this);
    pollTimer->setInterval(DefaultPollInterval);
    QObject::connect(pollTimer, &QTimer::timeout, this, &PanelModel::timerSlot);
    clearPoints();
    for (int i = 0; i < 5; ++i)
        stateIcons[size_t(i)] = QIcon(QString::fromLatin1(StateIconPaths[i]));
    for (int t = 1; t <= LoopPoint::LastType; ++t)
        typeIcons[size_t(t)] = QIcon(QString::fromLatin1(TypeIconPaths[t]));
    for (const char *title : ColumnTitles)
        headers << tr(title);
}

PanelModel::~PanelModel()
{
    pollTimer->stop();
    // One bounded exchange at most: the remembered LED is put out only over a
    // link that is still up; the port is not opened for it.
    if (ledLit && USBDataReader::isConnected())
        USBDataReader::setPointLed(ledLoop, ledAddress, PointRequest::LedOff);
    closePort();
}

int PanelModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RowCount;
}

int PanelModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool PanelModel::validIndex(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this && index.row() >= 0 && index.row() < RowCount
           && index.column() >= 0 && index.column() < ColumnCount;
}

QString PanelModel::statusText(const LoopPoint &p) const
{
    const int s = p.state;
    if (s & PointState::Disabled) return tr("Element disabled");
    if (s & PointState::Duplicated) return tr("Address duplicated");
    if (s & PointState::WrongDevice) return tr("Wrong device");
    if (s & PointState::Missing) return tr("Missing");
    if (s & PointState::NotConfigured) return tr("Not configured");
    if (s & PointState::Fault) return tr("Point in fault");
    if (s & PointState::Alarm) return p.type == LoopPoint::Output ? tr("Output ON") : tr("In alarm");
    if (s & PointState::Maintenance) return tr("Need manteinance");
    if (s & PointState::DeviceOk) return tr("Device OK");
    return QString();
}

QIcon PanelModel::statusIcon(const LoopPoint &p) const
{
    const int s = p.state;
    if (s & PointState::Disabled) return stateIcons[IconGray];
    if (s & PointState::Alarm) return stateIcons[IconRed];
    if (s & (PointState::Fault | PointState::Maintenance)) return stateIcons[IconYellow];
    if (s & (PointState::Missing | PointState::NotConfigured)) return stateIcons[IconGray];
    if (s & (PointState::Duplicated | PointState::WrongDevice)) return stateIcons[IconBlue];
    if (s & PointState::DeviceOk) return stateIcons[IconGreen];
    return QIcon();
}

QIcon PanelModel::typeIcon(int type) const
{
    return type >= 1 && type <= LoopPoint::LastType ? typeIcons[size_t(type)] : QIcon();
}

QVariant PanelModel::displayValue(const LoopPoint &p, int column) const
{
    switch (column) {
    case ColAddress: return int(p.address) + 1;
    case ColType: return LoopPoint::typeName(p.type);
    case ColStatus: return statusText(p);
    case ColDescription: return p.description;
    case ColZone: return tr("Zone: ") + QString::number(int(p.zone) + 1);
    case ColVersion: return p.version != 0 ? QLatin1String("v") + QString::number(p.version) : QStringLiteral("???");
    case ColAlarms: return p.alarms;
    case ColFaults: return p.faults;
    case ColNormalized: return p.normalizedValue;
    case ColAbsolute: return p.absoluteValue;
    case ColAbsoluteMin: return p.minValue;
    case ColAbsoluteMax: return p.maxValue;
    case ColCommsQuality:
        return p.comm != 0 ? QString::number(double(p.percent), 'f', 1) + QLatin1String(" %") : QStringLiteral("--.-");
    case ColCommsErrors: return p.error;
    case ColTotalComms: return p.comm;
    case ColThreshold: return hasParameters(p) ? QVariant(int(p.threshold)) : QVariant();
    case ColSensibility: return hasParameters(p) ? QVariant(int(p.sensibility)) : QVariant();
    case ColActions: {
        // forType gives 0 for a type above 12
        const quint8 mask = PointActionMask::forType(p.type);
        if (mask == 0)
            return QVariant();
        return QVariant::fromValue(virtualActions(p.actions, mask));
    }
    default: return QVariant();
    }
}

QVariant PanelModel::data(const QModelIndex &index, int role) const
{
    if (!validIndex(index))
        return QVariant();
    const LoopPoint &p = point(shownLoop, quint8(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return displayValue(p, index.column());
    case Qt::DecorationRole:
        if (index.column() == ColType) {
            const QIcon icon = typeIcon(p.type);
            return icon.isNull() ? QVariant() : QVariant(icon);
        }
        if (index.column() == ColStatus) {
            const QIcon icon = statusIcon(p);
            return icon.isNull() ? QVariant() : QVariant(icon);
        }
        return QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == ColDescription)
            return int(Qt::AlignJustify | Qt::AlignVCenter);
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (p.state & PointState::Disabled) return QColor(150, 150, 150, 154);
        if (p.state & PointState::Alarm) return QColor(255, 0, 0, 100);
        if (p.state & PointState::Maintenance) return QColor(255, 145, 18, 154);
        if (p.state & PointState::Fault) return QColor(255, 231, 0, 154);
        return QVariant();
    case Qt::ForegroundRole:
        if (p.state & PointState::Disabled) return QColor(230, 230, 230, 255);
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant PanelModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < headers.size() ? QVariant(headers.at(section)) : QVariant();
    return QString::number(section + 1);
}

Qt::ItemFlags PanelModel::flags(const QModelIndex &index) const
{
    if (!validIndex(index))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() == ColThreshold || index.column() == ColSensibility)
        f |= Qt::ItemIsEditable;
    return f;
}

bool PanelModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !validIndex(index))
        return false;
    const quint8 row = quint8(index.row());
    switch (index.column()) {
    case ColThreshold:
    case ColSensibility: {
        // The number is checked whole: 300 must not reach the panel as 44.
        bool ok = false;
        const int v = value.toInt(&ok);
        if (!ok)
            return false;
        if (index.column() == ColThreshold)
            return writeParam(shownLoop, row, PointRequest::ParamThreshold, v, MinThreshold, MaxThreshold);
        return writeParam(shownLoop, row, PointRequest::ParamSensibility, v, MinSensibility, MaxSensibility);
    }
    case ColActions: {
        if (value.metaType() != QMetaType::fromType<virtualActions>())
            return false;
        const virtualActions a = value.value<virtualActions>();
        return applyActions(row, a.actions & 0xF0, a.actions & 0x0F);
    }
    default:
        return false;
    }
}

// ---- link and image ----------------------------------------------------------

bool PanelModel::openPort()
{
    if (!USBDataReader::isConnected())
        USBDataReader::connect();
    return USBDataReader::isConnected();
}

void PanelModel::closePort()
{
    pollTimer->stop();
    if (USBDataReader::isConnected())
        USBDataReader::disconnect();
}

bool PanelModel::exploreLoop(quint8 loop)
{
    readLoopVersion(loop);
    const bool ok = readLoopConfig(loop);
    emitAllChanged();
    return ok;
}

void PanelModel::clearPoints()
{
    for (auto &loop : points)
        for (LoopPoint &p : loop)
            p.clear();
}

bool PanelModel::readPointState(quint8 loop, quint8 address)
{
    const bool ok = explorePoint(loop, address);
    if (loop == shownLoop)
        emitRowChanged(address);
    return ok;
}

bool PanelModel::readPointCounters(quint8 loop, quint8 address)
{
    const bool ok = USBDataReader::readPointCounters(loop, address);
    if (loop == shownLoop)
        emitRowChanged(address);
    return ok;
}

bool PanelModel::readParam(quint8 loop, quint8 address, quint8 parameter)
{
    if (!isPoint(loop, address) || !hasParameters(point(loop, address)))
        return false;
    LoopPoint &p = point(loop, address);
    quint8 &target = parameter == PointRequest::ParamThreshold ? p.threshold : p.sensibility;
    const bool ok = readPointParam(loop, address, parameter, target);
    if (loop == shownLoop)
        emitRowChanged(address);
    return ok;
}

bool PanelModel::readPointThreshold(quint8 loop, quint8 address)
{
    return readParam(loop, address, PointRequest::ParamThreshold);
}

bool PanelModel::readPointSensibility(quint8 loop, quint8 address)
{
    return readParam(loop, address, PointRequest::ParamSensibility);
}

bool PanelModel::writeParam(quint8 loop, quint8 address, quint8 parameter, int value, int min, int max)
{
    if (value < min || value > max)
        return false;
    if (!isPoint(loop, address) || !hasParameters(point(loop, address)))
        return false;
    if (!writePointParam(loop, address, parameter, quint8(value)))
        return false;
    return readParam(loop, address, parameter);
}

bool PanelModel::setPointThreshold(quint8 loop, quint8 address, quint8 value)
{
    return writeParam(loop, address, PointRequest::ParamThreshold, value, MinThreshold, MaxThreshold);
}

bool PanelModel::setPointSensibility(quint8 loop, quint8 address, quint8 value)
{
    return writeParam(loop, address, PointRequest::ParamSensibility, value, MinSensibility, MaxSensibility);
}

bool PanelModel::isRowHidden(int row) const
{
    if (row < 0 || row >= RowCount)
        return true;
    const LoopPoint &p = point(shownLoop, quint8(row));
    return p.type == 0 && p.detectedType == 0;
}

const QList<PointHistorySample> *PanelModel::history(quint8 loop, quint8 address) const
{
    return &USBDataReader::history.list(loop, address);
}

void PanelModel::loopCommsTotals(quint8 loop, int &errors, int &polls) const
{
    errors = totalErrors(loop);
    polls = totalPolls(loop);
}

// ---- polling -------------------------------------------------------------------

void PanelModel::startPolling()
{
    if (USBDataReader::isConnected())
        pollTimer->start();
}

void PanelModel::stopPolling()
{
    pollTimer->stop();
}

void PanelModel::stopPollingIfActive()
{
    if (pollTimer->isActive())
        pollTimer->stop();
}

bool PanelModel::isPollingActive() const
{
    return pollTimer->isActive();
}

void PanelModel::setPollInterval(int ms)
{
    pollTimer->setInterval(ms >= MinPollInterval && ms <= MaxPollInterval ? ms : DefaultPollInterval);
}

int PanelModel::pollInterval() const
{
    return pollTimer->interval();
}

void PanelModel::setPollFlags(bool normalized, bool absolute)
{
    readNormalized = normalized;
    readAbsolute = absolute;
}

void PanelModel::timerSlot()
{
    // A link that went down stops the polling: nothing more can be sent.
    if (!USBDataReader::isConnected()) {
        pollTimer->stop();
        return;
    }
    bool taken = false;
    for (int look = 0; look < RowCount; ++look) {
        if (pollCursor >= RowCount)
            pollCursor = 0;
        const LoopPoint &p = point(shownLoop, pollCursor);
        if (p.type != 0 && p.state != PointState::Duplicated && p.state != PointState::Missing) {
            taken = true;
            break;
        }
        ++pollCursor;
    }
    if (!taken)
        return;
    const quint8 address = pollCursor;
    if (readNormalized)
        pollPoint(shownLoop, address, PointRequest::ModeNormalized, !readAbsolute);
    if (readAbsolute)
        pollPoint(shownLoop, address, PointRequest::ModeAbsolute, true);
    emitRowChanged(address);
    ++pollCursor;
    if (!USBDataReader::isConnected())
        pollTimer->stop();
}

void PanelModel::resetLoopValues()
{
    for (LoopPoint &p : points[shownLoop])
        p.resetReadings();
    emitAllChanged();
}

void PanelModel::showLoop(quint8 loop)
{
    qDebug().noquote() << "mostrando loop " + QString::number(loop);
    if (loop == shownLoop)
        return;
    if (loop < USBDataReader::Loops)
        shownLoop = loop;
    pollCursor = 0;
    if (USBDataReader::isConnected())
        emitAllChanged();
}

// ---- actions and keys -------------------------------------------------------

bool PanelModel::setPointAlarm(quint8 address)
{
    return USBDataReader::setPointAlarm(shownLoop, address);
}

bool PanelModel::setPointOutput(quint8 address, quint8 on)
{
    return USBDataReader::setPointOutput(shownLoop, address, on);
}

bool PanelModel::setPointLed(quint8 address, quint8 mode)
{
    if (ledLit && mode == PointRequest::LedOn) {
        USBDataReader::setPointLed(ledLoop, ledAddress, PointRequest::LedOff);
        ledLit = false;
        if (ledLoop == shownLoop)
            emitRowChanged(ledAddress);
    }
    if (!USBDataReader::setPointLed(shownLoop, address, mode))
        return false;
    if (mode == PointRequest::LedOn) {
        ledLoop = shownLoop;
        ledAddress = address;
        ledLit = true;
    }
    return true;
}

bool PanelModel::applyActions(int row, quint8 high, quint8 led)
{
    if (row < 0 || row >= RowCount)
        return false;
    const quint8 r = quint8(row);
    // The view's values count only as on or off.
    const quint8 h = high != 0 ? PointRequest::OutputOn : PointRequest::OutputOff;
    const quint8 l = led == PointRequest::LedOn ? PointRequest::LedOn : PointRequest::LedOff;

    LoopPoint &p = point(shownLoop, r);
    const quint8 mask = PointActionMask::forType(p.type);
    if (!USBDataReader::isConnected())
        return false;

    bool result = false;
    if (h != (p.actions & 0xF0)) {
        if (mask & PointActionMask::Fire) {
            // A fire action is only ever switched on; the reset key clears it.
            if (h == PointRequest::OutputOn && setPointAlarm(r)) {
                emitRowChanged(r);
                result = true;
            }
        } else if (mask & PointActionMask::Output) {
            if (setPointOutput(r, h)) {
                emitRowChanged(r);
                result = true;
            }
        }
    }

    if (!(mask & PointActionMask::Led) || l == ledNibble(p.actions))
        return result;

    if (l == PointRequest::LedOn) {
        for (int i = 0; i < RowCount; ++i) {
            if (i == r)
                continue;
            const LoopPoint &other = point(shownLoop, quint8(i));
            if (!(other.actions & 0x02) || !(PointActionMask::forType(other.type) & PointActionMask::Led))
                continue;
            if (setPointLed(quint8(i), PointRequest::LedOff))
                emitRowChanged(i);
        }
        if (setPointLed(r, PointRequest::LedOn)) {
            emitRowChanged(r);
            return true;
        }
        return result;
    }
    if (setPointLed(r, PointRequest::LedOff)) {
        emitRowChanged(r);
        return true;
    }
    return result;
}

bool PanelModel::sendPanelKey(quint8 key)
{
    if (!sendKey(key))
        return false;
    if (key == PointRequest::KeyReset) {
        for (auto &loop : points) {
            for (LoopPoint &p : loop) {
                p.actions = 0;
                p.state &= ~(PointState::Alarm | PointState::Maintenance | PointState::Fault);
            }
        }
        for (int r = 0; r < RowCount; ++r)
            emitRowChanged(r);
    }
    return true;
}

void PanelModel::emitRowChanged(int row)
{
    if (row < 0 || row >= RowCount)
        return;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void PanelModel::emitAllChanged()
{
    emit dataChanged(index(0, 0), index(RowCount - 1, ColumnCount - 1));
}
