#pragma once
#include <QObject>
#include <QString>

// The options of the monitor, kept in "settings.ini" beside the program. The
// members are read and written directly; save() writes them all but the language
// and announces it with settingsChange().
class MyConfigOptions : public QObject {
    Q_OBJECT
public:
    static constexpr quint32 DefaultPeriode = 500;
    static constexpr quint32 MinPeriode = 500;
    static constexpr quint32 MaxPeriode = 2000;

    MyConfigOptions();
    ~MyConfigOptions() override;

    // The settings file: the program's folder + "/settings.ini".
    static QString settingsPath();

    bool load();
    void setDefaults();
    void save();
    void saveLanguage();

    bool zone = true;
    bool description = true;
    bool normalized = true;
    bool version = false;
    bool numAlarms = true;
    bool numFaults = false;
    bool comms = false;
    bool absoluteVals = false;
    bool absoluteMinMax = false;
    bool global = false;
    bool optoHeat = true;
    quint32 periode = DefaultPeriode;   // ms, always within MinPeriode..MaxPeriode after load()
    quint8 currentLoop = 0;             // never stored
    bool datalog = true;
    QString language;

signals:
    void settingsChange();
};
