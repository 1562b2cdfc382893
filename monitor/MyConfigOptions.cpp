#include "MyConfigOptions.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
QString boolText(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

bool readFlag(const QSettings &s, const char *key, bool fallback)
{
    return s.value(QLatin1String(key), fallback).toString() == QLatin1String("true");
}
}

MyConfigOptions::MyConfigOptions()
    : QObject(nullptr)
{
    load();
}

MyConfigOptions::~MyConfigOptions() = default;

QString MyConfigOptions::settingsPath()
{
    return QCoreApplication::applicationDirPath() + QLatin1String("/settings.ini");
}

bool MyConfigOptions::load()
{
    const QSettings s(settingsPath(), QSettings::IniFormat);
    description = readFlag(s, "description", true);
    zone = readFlag(s, "zone", true);
    version = readFlag(s, "version", false);
    numAlarms = readFlag(s, "numAlarms", true);
    numFaults = readFlag(s, "numFaults", false);
    normalized = readFlag(s, "normalized", true);
    absoluteVals = readFlag(s, "absoluteVals", false);
    absoluteMinMax = readFlag(s, "absoluteMinMax", false);
    comms = readFlag(s, "comms", false);
    global = readFlag(s, "global", false);
    datalog = readFlag(s, "datalog", true);

    // A period the poll timer cannot use (0, text, out of range) is replaced by
    // the default, so the timer never runs flat out.
    bool ok = false;
    const uint stored = s.value(QStringLiteral("periode"), DefaultPeriode).toString().toUInt(&ok);
    periode = ok && stored >= MinPeriode && stored <= MaxPeriode ? stored : DefaultPeriode;

    optoHeat = readFlag(s, "optoHeat", true);
    language = s.value(QStringLiteral("language"), QString()).toString();
    return true;
}

void MyConfigOptions::setDefaults()
{
    zone = true;
    description = true;
    normalized = true;
    version = false;
    numAlarms = true;
    numFaults = false;
    comms = false;
    absoluteVals = false;
    absoluteMinMax = false;
    global = false;
    optoHeat = true;
    datalog = true;
    periode = DefaultPeriode;
}

void MyConfigOptions::save()
{
    {
        QSettings s(settingsPath(), QSettings::IniFormat);
        s.setValue(QStringLiteral("zone"), boolText(zone));
        s.setValue(QStringLiteral("description"), boolText(description));
        s.setValue(QStringLiteral("normalized"), boolText(normalized));
        s.setValue(QStringLiteral("version"), boolText(version));
        s.setValue(QStringLiteral("numAlarms"), boolText(numAlarms));
        s.setValue(QStringLiteral("numFaults"), boolText(numFaults));
        s.setValue(QStringLiteral("comms"), boolText(comms));
        s.setValue(QStringLiteral("absoluteVals"), boolText(absoluteVals));
        s.setValue(QStringLiteral("absoluteMinMax"), boolText(absoluteMinMax));
        s.setValue(QStringLiteral("optoHeat"), boolText(optoHeat));
        s.setValue(QStringLiteral("global"), boolText(global));
        s.setValue(QStringLiteral("datalog"), boolText(datalog));
        s.setValue(QStringLiteral("periode"), periode);
        s.sync();
    }
    emit settingsChange();
}

void MyConfigOptions::saveLanguage()
{
    QSettings s(settingsPath(), QSettings::IniFormat);
    s.setValue(QStringLiteral("language"), language);
    s.sync();
}
