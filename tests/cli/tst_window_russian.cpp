// The program in Russian: the window, a dialog, a message, the sheet's accessible name and
// grvlk's help all come from the translations, Qt's own included.
#include "support/MainWindowFixture.h"
#include "toolkit/Translations.h"

#include <QAccessible>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

class TestRussian : public QObject {
    Q_OBJECT
private slots:
    void windowDialogAndMessage();
    void grvlkHelp();
};

void TestRussian::windowDialogAndMessage()
{
    MainWindowFixture f;
    const MainWindowControls &ui = f.window->controls();
    QCOMPARE(f.window->commands().item(Command::Open)->text(), QStringLiteral("Открыть\tCtrl+O"));
    QCOMPARE(ui.rectangleTool->toolTip(), QStringLiteral("Прямоугольник (правый щелчок)"));
    QCOMPARE(ui.captionLabel->text(), QStringLiteral("Текст:"));
    QCOMPARE(QAccessible::queryAccessibleInterface(ui.sheetView)->text(QAccessible::Name),
             QStringLiteral("Лист"));
    // Qt's own texts for its standard buttons.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));

    QString title, cancel;
    f.modal.onNewSheet = [&](NewSheetDialog *dialog, int &, int &) {
        dialog->prepare(); // as showing it does
        title = dialog->windowTitle();
        cancel = dialog->cancelButton->text();
        return false;
    };
    f.documents().newScheme();
    QCOMPARE(title, QStringLiteral("Новый лист"));
    QCOMPARE(cancel, QStringLiteral("Отмена"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cut.grvlk"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("842\r\n595\r\n[H]\r\n3\r\n5\r\nR1\r\n");
    file.close();
    f.documents().openRecent(path);
    QCOMPARE(f.modal.errors.size(), 1);
    QVERIFY2(f.modal.errors.first().contains(QStringLiteral("файл кончается внутри раздела [H] из строки 3")),
             qPrintable(f.modal.errors.first()));
}

void TestRussian::grvlkHelp()
{
    QProcess grvlk;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
    grvlk.setProcessEnvironment(env);
    grvlk.start(QStringLiteral(GRAVELINK_CLI_PATH), {QStringLiteral("--help")});
    QVERIFY(grvlk.waitForFinished());
    const QString help = QString::fromUtf8(grvlk.readAllStandardOutput());
    QVERIFY2(help.contains(QStringLiteral("Рисует и проверяет")), qPrintable(help));
}

int main(int argc, char **argv)
{
    // The system language as the program reads it at start.
    qputenv("LC_ALL", "ru_RU.UTF-8");
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    installTranslations(app);
    TestRussian test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_russian.moc"
