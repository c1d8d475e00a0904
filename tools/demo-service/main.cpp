// The local demo service: answers like the keyword suggestion service, the
// three search engines and the affiliate site on 127.0.0.1, and prints the
// port it listens on as the first line on stdout.
#include "tools/demo-service/DemoServer.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    // No window is ever shown; the platform is only needed to draw text.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("demo-service"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Local stand-in for the web services Tarnwick talks to."));
    parser.addHelpOption();
    QCommandLineOption portOption(QStringList{QStringLiteral("p"), QStringLiteral("port")},
                                  QStringLiteral("Port on 127.0.0.1; 0 takes a free one."), QStringLiteral("port"),
                                  QStringLiteral("0"));
    QCommandLineOption verboseOption(QStringList{QStringLiteral("v"), QStringLiteral("verbose")},
                                     QStringLiteral("Log every request and the answer of every security image."));
    parser.addOption(portOption);
    parser.addOption(verboseOption);
    parser.process(app);

    bool ok = false;
    const uint port = parser.value(portOption).toUInt(&ok);
    if (!ok || port > 65535) {
        std::fprintf(stderr, "demo-service: not a port: %s\n", qPrintable(parser.value(portOption)));
        return 2;
    }
    tw::demo::DemoServer server;
    server.SetVerbose(parser.isSet(verboseOption));
    if (!server.Listen(static_cast<quint16>(port))) {
        std::fprintf(stderr, "demo-service: cannot listen on 127.0.0.1:%u: %s\n", port, qPrintable(server.ErrorText()));
        return 1;
    }
    std::printf("%u\n", static_cast<unsigned>(server.Port()));
    std::fflush(stdout);
    return app.exec();
}
