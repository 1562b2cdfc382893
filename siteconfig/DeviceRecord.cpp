#include "DeviceRecord.h"

#include "ElementModelTable.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace {

const char *const classNameTexts[13] = {
    QT_TRANSLATE_NOOP("QObject", "EMPTY"),
    QT_TRANSLATE_NOOP("QObject", "Optical"),
    QT_TRANSLATE_NOOP("QObject", "Heat"),
    QT_TRANSLATE_NOOP("QObject", "Opto-Heat"),
    QT_TRANSLATE_NOOP("QObject", "MCP"),
    QT_TRANSLATE_NOOP("QObject", "Zone"),
    QT_TRANSLATE_NOOP("QObject", "Input"),
    QT_TRANSLATE_NOOP("QObject", "Output"),
    QT_TRANSLATE_NOOP("QObject", "Sounder"),
    QT_TRANSLATE_NOOP("QObject", "Panel"),
    QT_TRANSLATE_NOOP("QObject", "Gas"),
    QT_TRANSLATE_NOOP("QObject", "Remote Indicator"),
    QT_TRANSLATE_NOOP("QObject", "Beam"),
};

const char *const iconBaseNames[13] = {
    nullptr, "i_opto", "i_heat", "i_optoheat", "i_mcp", "i_cZona", "i_relay",
    "i_out", "i_sounder", "i_convpanel", "i_gas", "i_remoteindicator", "i_beam",
};

// The type and model names belong to the context "QObject".
QString tr(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

QString hexTypeName(int type)
{
    return QStringLiteral("0x") + QString::number(type, 16);
}

} // namespace

int DeviceRecord::moduleAddressCount(int code)
{
    return ElementModelTable::addressCount(code & ModelMask);
}

int DeviceRecord::channelType(int code, int channel)
{
    return ElementModelTable::channelType(code & ModelMask, channel);
}

int DeviceRecord::codeForChannel(int code, int channel)
{
    const int model = code & ModelMask;
    if (model > 25)
        return model;
    const int n = ElementModelTable::addressCount(model);
    if (n == 1)
        return model;
    if (channel <= 0)
        return model | PositionFirst;
    if (channel >= n - 1)   // also for channels beyond the module: treated as its last
        return model | PositionLast;
    return model | PositionMiddle;
}

bool DeviceRecord::isValidType(int type)
{
    return type >= 0 && type <= 12;
}

bool DeviceRecord::isInputType(int type)
{
    return type == 6;
}

bool DeviceRecord::isOutputOnlyType(int type)
{
    return type == 7;
}

bool DeviceRecord::isModulePart() const
{
    return (ext_type & PositionMask) != 0;
}

bool DeviceRecord::isFirstAddress() const
{
    const int position = ext_type & PositionMask;
    return position == 0 || position == PositionFirst;
}

bool DeviceRecord::isLastAddress() const
{
    const int position = ext_type & PositionMask;
    return position == 0 || position == PositionLast;
}

bool DeviceRecord::isEventSourceType() const
{
    switch (type) {
    case 1: case 2: case 3: case 4: case 5: case 6: case 9: case 10: case 12:
        return true;
    default:
        return false;
    }
}

bool DeviceRecord::isOutputType() const
{
    return type == 7 || type == 8 || type == 11;
}

QString DeviceRecord::classNameForType(int type)
{
    if (!isValidType(type))
        return hexTypeName(type);
    return tr(classNameTexts[type]);
}

QString DeviceRecord::classNames() const
{
    return classNameForType(type);
}

QString DeviceRecord::typeName() const
{
    const int code = ext_type;
    switch (type) {
    case 0: return QCoreApplication::translate("QObject", "EMPTY");
    case 1: return QCoreApplication::translate("QObject", "Optical");
    case 2: return QCoreApplication::translate("QObject", "Heat");
    case 3: return QCoreApplication::translate("QObject", "Optical-Heat");
    case 4: return QCoreApplication::translate("QObject", "MCP");
    case 5:
        if (code == 0x47 || code == 0xC7)
            return QCoreApplication::translate("QObject", "2 zones");
        return QCoreApplication::translate("QObject", "1 zone");
    case 6:
        if (code == 0x49 || code == 0xC9)
            return QCoreApplication::translate("QObject", "2 inputs");
        if (code == 0x4C)
            return QCoreApplication::translate("QObject", "1 in 1 out");
        if (code == 0x4D || code == 0x8D)
            return QCoreApplication::translate("QObject", "2 int 2 out");
        return QCoreApplication::translate("QObject", "Input");
    case 7:
        if (code == 0x4B || code == 0xCB)
            return QCoreApplication::translate("QObject", "2 outputs");
        if (code == 0xCC)
            return QCoreApplication::translate("QObject", "1 in 1 out");
        if (code == 0x0E)
            return QCoreApplication::translate("QObject", "Out 24V");
        if (code == 0x12)
            return QCoreApplication::translate("QObject", "Out 220V");
        if (code == 0x8D || code == 0xCD)
            return QCoreApplication::translate("QObject", "2 IN 2 OUT");
        return QCoreApplication::translate("QObject", "OUTPUT");
    case 8:
        if (code == 0x10)
            return QCoreApplication::translate("QObject", "SOUNDER 24V");
        return QCoreApplication::translate("QObject", "SOUNDER");
    case 9:
        switch (code & ModelMask) {
        case 19: return QCoreApplication::translate("QObject", "PANEL 2Z");
        case 20: return QCoreApplication::translate("QObject", "PANEL 4Z");
        case 21: return QCoreApplication::translate("QObject", "PANEL 8Z");
        case 22: return QCoreApplication::translate("QObject", "PANEL 12Z");
        case 23: return QCoreApplication::translate("QObject", "PANEL EXT");
        default: return QCoreApplication::translate("QObject", "0x9");
        }
    case 10: return QCoreApplication::translate("QObject", "Gas");
    case 11: return QCoreApplication::translate("QObject", "Remote indicator");
    case 12: return QCoreApplication::translate("QObject", "Beam");
    default:
        return hexTypeName(type);
    }
}

QStringList DeviceRecord::modelNames()
{
    QStringList names;
    for (int model = 1; model < ElementModelTable::ModelCount; ++model)
        names << tr(ElementModelTable::rows[model].name);
    return names;
}

QString DeviceRecord::defaultDescription() const
{
    return classNames() + QLatin1Char(' ') + QString::number(address + 1);
}

QString DeviceRecord::zoneText() const
{
    return QString::number(zone);
}

QString DeviceRecord::zoneDisplayText() const
{
    return QString::number(zone + 1);
}

QString DeviceRecord::addressText() const
{
    return QString::number(address);
}

QString DeviceRecord::addressDisplayText() const
{
    return QString::number(address + 1);
}

QString DeviceRecord::loopText() const
{
    return QString::number(loop);
}

QString DeviceRecord::loopDisplayText() const
{
    return QString::number(loop + 1);
}

QString DeviceRecord::iconBaseName(int type)
{
    if (type < 1 || type > 12)
        return QString();
    return QString::fromLatin1(iconBaseNames[type]);
}

static QString iconPath(const QString &baseName, const char *suffix)
{
    return QStringLiteral(":/icons/icons/") + baseName + QLatin1String(suffix)
        + QStringLiteral(".png");
}

QIcon DeviceRecord::icon(bool faint) const
{
    const QString base = iconBaseName(type);
    if (base.isEmpty())
        return QIcon();
    const QString path = iconPath(base, "");
    if (!faint)
        return QIcon(path);

    const QImage picture(path);
    if (picture.isNull())
        return QIcon();
    QImage faded(picture.size(), QImage::Format_ARGB32_Premultiplied);
    faded.fill(Qt::transparent);
    {
        QPainter painter(&faded);
        painter.setOpacity(0.25);
        painter.drawImage(0, 0, picture);
    }
    return QIcon(QPixmap::fromImage(faded));
}

QIcon DeviceRecord::treeIcon(bool effectTree) const
{
    const QString base = iconBaseName(type);
    if (base.isEmpty())
        return QIcon();
    if (effectTree && actionUse)
        return QIcon(iconPath(base, "_a"));
    if (!effectTree && eventUse)
        return QIcon(iconPath(base, "_e"));
    return icon(false);
}
