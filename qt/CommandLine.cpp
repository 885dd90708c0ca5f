#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace kx {

namespace {

void print(std::FILE* stream, const QString& text) { std::fputs(qPrintable(text), stream); }

// Before the application object exists Qt puts a placeholder where the program's name goes.
QString helpText(const QCommandLineParser& parser, const QString& program)
{
    return parser.helpText().replace("<executable_name>", program);
}

CommandLine refuse(const QCommandLineParser& parser, const QString& program)
{
    const QString error = parser.errorText().isEmpty()
                              ? "Unexpected argument: " + parser.positionalArguments().first()
                              : parser.errorText();
    print(stderr, error + "\n\n" + helpText(parser, program));
    return {2, {}};
}

} // namespace

CommandLine readCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = arguments.value(0, "kestrix");
    QCommandLineParser parser;
    parser.setApplicationDescription("Break into company servers and pay off your debt in 30 days.");
    const QCommandLineOption help({"h", "help"}, "Shows these options and quits.");
    const QCommandLineOption version({"v", "version"}, "Shows the game's version and quits.");
    const QCommandLineOption screenshot(
        "screenshot",
        "Once the first message has scrolled into view, saves a picture of the game's windows to "
        "<file> (PNG unless its extension names another format) and quits.",
        "file");
    parser.addOptions({help, version, screenshot});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty())
        return refuse(parser, program);
    if (parser.isSet(help))
        print(stdout, helpText(parser, program));
    else if (parser.isSet(version))
        print(stdout, QCoreApplication::applicationName() + " " + QCoreApplication::applicationVersion() + "\n");
    else
        return {std::nullopt, parser.value(screenshot)};
    return {0, {}};
}

} // namespace kx
