#pragma once

#include <QString>
#include <QStringList>

// The path that the command line names, before any check. The whole tail (the arguments
// after the program's own name, joined by blanks) is one path; when it is empty, the
// start-up custom map when one is set (the path "None" stands for no map). A double
// quote at its start and one at its end are each removed. A relative path is taken
// against `workingFolder`, as the shell that started the program meant it.
QString commandLinePath(const QStringList &arguments, bool initMap, const QString &initMapPath,
                        const QString &workingFolder);
