#pragma once
#include <QLatin1String>
#include <QString>

// What every source file of loopwatch shares about the program itself.
namespace MonitorVersion {

inline constexpr QLatin1String ProductLines("Addressable Fire System \nMonitor Software \n");
inline constexpr QLatin1String Maker("Brelix");
inline constexpr QLatin1String Version("Version 1.05");
inline constexpr QLatin1String ReleaseDate("2020/06/19");
inline constexpr QLatin1String WindowTitle("Addressable Fire System. Monitor Software");
inline constexpr QLatin1String WindowIcon(":/res/icons/logo.png");
// Written without a slash after the colon; it still names the compiled-in picture.
inline constexpr QLatin1String SplashPicture(":res/icons/splash.png");

// The start-up text: the maker's name runs straight into the version on the
// third line, as the program has always shown it.
inline QString splashText()
{
    return QString(ProductLines) + Maker + Version + QLatin1Char('\n') + ReleaseDate;
}

// The main window's title: the title followed directly by the version.
inline QString windowTitle()
{
    return QString(WindowTitle) + Version;
}

} // namespace MonitorVersion
