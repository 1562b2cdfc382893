#include "MyConfigOptions.h"

#include <QCoreApplication>
#include <QSettings>

namespace {
QString boolText(bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); }

bool readFlag(const QSettings &s, const char *key, bool fallback)
{
    return s.value(QLatin1String(key), fallback).toString() == QLatin1String("true");
}

// The stored flags with their defaults, in the order they are written.
struct Flag {
    const char *key;
    bool MyConfigOptions::*member;
    bool fallback;
};
const Flag Flags[] = {
    {"zone", &MyConfigOptions::zone, true},
    {"description", &MyConfigOptions::description, true},
    {"normalized", &MyConfigOptions::normalized, true},
    {"version", &MyConfigOptions::version, false},
    {"numAlarms", &MyConfigOptions::numAlarms, true},
    {"numFaults", &MyConfigOptions::numFaults, false},
    {"comms", &MyConfigOptions::comms, false},
    {"absoluteVals", &MyConfigOptions::absoluteVals, false},
    {"absoluteMinMax", &MyConfigOptions::absoluteMinMax, false},
    {"optoHeat", &MyConfigOptions::optoHeat, true},
    {"global", &MyConfigOptions::global, false},
    {"datalog", &MyConfigOptions::datalog, true},
};
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
    for (const Flag &f : Flags)
        this->*f.member = readFlag(s, f.key, f.fallback);

    // A period the poll timer cannot use (0, text, out of range) is replaced by
    // the default, so the timer never runs flat out.
    bool ok = false;
    const uint stored = s.value(QStringLiteral("periode"), DefaultPeriode).toString().toUInt(&ok);
    periode = ok && stored >= MinPeriode && stored <= MaxPeriode ? stored : DefaultPeriode;
    language = s.value(QStringLiteral("language"), QString()).toString();
    return true;
}

void MyConfigOptions::setDefaults()
{
    for (const Flag &f : Flags)
        this->*f.member = f.fallback;
    periode = DefaultPeriode;
}

void MyConfigOptions::save()
{
    {
        QSettings s(settingsPath(), QSettings::IniFormat);
        for (const Flag &f : Flags)
            s.setValue(QLatin1String(f.key), boolText(this->*f.member));
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
