#include "app/rules/CommandLine.h"

#include "app/rules/ProductInfo.h"

#include <QDir>

#include <optional>

namespace {

std::optional<CommandLine::Request> optionRequest(const QString &argument)
{
    if (argument == QLatin1String("--help"))
        return CommandLine::Request::Help;
    if (argument == QLatin1String("--version"))
        return CommandLine::Request::Version;
    return std::nullopt;
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    CommandLine line;
    bool options = true;
    for (const QString &argument : arguments.mid(1)) {
        if (options && argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (const auto request = options ? optionRequest(argument) : std::nullopt) {
            // The first one asks; the program prints one reply.
            if (line.request == CommandLine::Request::Start)
                line.request = *request;
            continue;
        }
        line.pathArguments.append(argument);
    }
    return line;
}

QString commandLineReply(CommandLine::Request request)
{
    switch (request) {
    case CommandLine::Request::Help:
        return QStringLiteral("Usage: quorvil [FILE]\n"
                              "Shows every character of a font and types the one you click.\n"
                              "\n"
                              "FILE is opened at start-up:\n"
                              "  *.TXT  a text file, put on the TextBoard\n"
                              "  *.QUF  a uniform format file (rich text), put on the TextBoard\n"
                              "  *.QCM  a custom character map, shown in the FontMap\n"
                              "Without FILE, the start-up custom map chosen in the Options, if any.\n"
                              "Blanks between arguments belong to the file's name.\n"
                              "\n"
                              "  --help     show this help and exit\n"
                              "  --version  show the version and exit\n"
                              "  --         end of the options: what follows is the file's name\n");
    case CommandLine::Request::Version:
        return ProductInfo::appName() + QLatin1Char(' ') + ProductInfo::version() + QStringLiteral(QUORVIL_STAGE)
               + QLatin1Char('\n');
    case CommandLine::Request::Start:
        break;
    }
    return QString();
}

QString commandLinePath(const QStringList &arguments, bool initMap, const QString &initMapPath,
                        const QString &workingFolder)
{
    QString s = readCommandLine(arguments).pathArguments.join(QLatin1Char(' '));
    if (s.isEmpty() && initMap && initMapPath != QLatin1String("None"))
        s = initMapPath;
    if (s.startsWith(QLatin1Char('"')))
        s.remove(0, 1);
    if (s.endsWith(QLatin1Char('"')))
        s.chop(1);
    if (s.isEmpty() || QDir::isAbsolutePath(s))
        return s;
    return QDir::cleanPath(QDir(workingFolder).absoluteFilePath(s));
}
