#pragma once

// What every part of panelsetup shows of itself: the splash, the window title
// and the about box read these and nothing else.
namespace SetupVersion {
// Compiled-in resource of the splash screen.
inline constexpr char SplashPicture[] = ":icons/icons/brelixSplash.png";
// First line of the splash message; the version follows on the second line.
inline constexpr char ProductLine[] = "Brelix Korvan Configuration Software \n";
inline constexpr char VersionText[] = "v2.32";
// The window title starts with it (trailing blank included).
inline constexpr char ProductCode[] = "Selvik ";
inline constexpr char ReleaseDate[] = "2021/06/21";
// The window icon; no executable icon resource exists on this platform.
inline constexpr char LogoIcon[] = ":/icons/icons/logo.ico";
} // namespace SetupVersion
