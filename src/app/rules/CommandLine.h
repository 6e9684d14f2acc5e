#pragma once

#include <QString>
#include <QStringList>

// What the command line asks for. `--help` and `--version` ask for the usage or the version
// instead of a start; `--` ends the options (and is dropped), so a file whose name starts
// with a dash can still be named; every other argument is part of the one path, whatever
// it looks like.
struct CommandLine
{
    enum class Request { Start, Help, Version };

    Request request = Request::Start;
    QStringList pathArguments;
};

// `arguments` as the program got them, its own name first.
CommandLine readCommandLine(const QStringList &arguments);

// What --help and --version print on standard output, lines ended by LF; empty for a start.
QString commandLineReply(CommandLine::Request request);

// The path that the command line names, before any check. The whole tail (the path arguments,
// joined by blanks) is one path; when it is empty, the start-up custom map when one is set (the
// path "None" stands for no map). A double quote at its start and one at its end are each
// removed. A relative path is taken against `workingFolder`, as the shell that started the
// program meant it.
QString commandLinePath(const QStringList &arguments, bool initMap, const QString &initMapPath,
                        const QString &workingFolder);
