#pragma once

#include <QString>

// The installed family fontconfig draws a requested family with: the family itself when
// it is installed, else its configured stand-in (Liberation Sans for Arial, say).
QString substituteFamily(const QString &family);
