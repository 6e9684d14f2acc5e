#pragma once

#include <QString>

// The product's own texts and addresses, in one place.
namespace ProductInfo {

inline QString appName() { return QStringLiteral("Quorvil"); }
inline QString versionText() { return QStringLiteral("Version 3.0.0 RC2"); }
inline QString creditLine() { return QStringLiteral("Quorvil 3.0.0 \u00b7 every character of your font, one click away"); }
inline QString dedication() { return QStringLiteral("For everyone whose keyboard ends too soon."); }
inline QString homePage() { return QStringLiteral("https://www.quorvil.org"); }
inline QString feedbackAddress() { return QStringLiteral("feedback@quorvil.org"); }

} // namespace ProductInfo
