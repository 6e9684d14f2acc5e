#pragma once

#include <QString>

// What the map-name band shows for the loaded map's file name: the name without a
// trailing ".qcm" in any letter case ("Greek.QCM" shows "Greek"); any other name whole,
// so "Greek" stays "Greek" and "QCM" stays "QCM".
QString customMapDisplayName(const QString &fileName);
