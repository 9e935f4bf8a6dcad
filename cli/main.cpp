#include "cli/Grvlk.h"
#include "toolkit/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>

#include <cstdio>
#include <memory>

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's note that the offscreen platform runs without a runtime folder says nothing about the
// files; every other message is passed on.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    previousHandler(type, context, message);
}

} // namespace

int main(int argc, char **argv)
{
    previousHandler = qInstallMessageHandler(quietMessages);
    // Drawing text needs a QGuiApplication; without a display it runs on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // This thread becomes Qt's main thread now, before the head start's thread makes a QObject
    // (its QFile), which would otherwise claim that role.
    QThread::currentThread();
    GrvlkHeadStart headStart = startGrvlk(arguments);
    std::unique_ptr<QCoreApplication> app;
    if (grvlkNeedsGui(arguments))
        app = std::make_unique<QGuiApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    // Messages in the user's language; --porcelain keeps everything in English for scripts.
    if (!arguments.contains(QStringLiteral("--porcelain")))
        installTranslations(*app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = runGrvlk(arguments, out, err, &headStart);
    out.flush();
    err.flush();
    return status;
}
