#pragma once

#include <QString>

// The product's own texts and addresses, in one place.
namespace ProductInfo {

// The version comes from the build (the project's version and its release stage).
inline QString version() { return QStringLiteral(QUORVIL_VERSION); }
inline QString appName() { return QStringLiteral("Quorvil"); }
// The name that the desktop entry, the icon and the file types are installed under.
inline QString desktopFileName() { return QStringLiteral("quorvil"); }
inline QString versionText() { return QStringLiteral("Version ") + version() + QStringLiteral(QUORVIL_STAGE); }
// The main window's caption while no file is loaded.
inline QString caption() { return appName() + QLatin1Char(' ') + versionText(); }
inline QString creditLine()
{
    return appName() + QLatin1Char(' ') + version() + QStringLiteral(" \u00b7 every character of your font, one click away");
}
inline QString dedication() { return QStringLiteral("For everyone whose keyboard ends too soon."); }
inline QString homePage() { return QStringLiteral("https://www.quorvil.org"); }
inline QString feedbackAddress() { return QStringLiteral("feedback@quorvil.org"); }

} // namespace ProductInfo
