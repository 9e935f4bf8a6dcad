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
    // Drawing text needs a QGuiApplication, but never a display: always the offscreen platform,
    // whatever the environment asks for (xcb without a display would abort), and no platform
    // theme, which could want one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QPA_PLATFORMTHEME");
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // This thread becomes Qt's main thread now, before the head start's thread makes a QObject
    // (its QFile), which would otherwise claim that role.
    QThread::currentThread();
    GrvlkHeadStart headStart = startGrvlk(arguments);
    // Qt sees only the program's name: "-platform" or "-display" among the files are files.
    int qtArgc = 1;
    std::unique_ptr<QCoreApplication> app;
    if (grvlkNeedsGui(arguments))
        app = std::make_unique<QGuiApplication>(qtArgc, argv);
    else
        app = std::make_unique<QCoreApplication>(qtArgc, argv);
    // Messages in the user's language; check --porcelain keeps everything in English for scripts.
    if (!grvlkKeepsEnglish(arguments))
        installTranslations(*app);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = runGrvlk(arguments, out, err, &headStart);
    out.flush();
    err.flush();
    return status;
}
