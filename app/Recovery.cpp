#include "app/Recovery.h"

#include "app/MainWindow.h"
#include "editor/Autosaver.h"
#include "editor/RecoveryStore.h"
#include "model/SchemeFile.h"
#include "toolkit/SchemePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Whether the file holds the whole scheme written.
bool readable(const RecoveredFile &file)
{
    if (!file.intact())
        return false;
    QFile in(file.schemePath);
    return in.open(QIODevice::ReadOnly) && readScheme(in.readAll()).ok;
}

} // namespace

QString recoveryQuestion(const QString &appTitle, const QString &originalPath, const QDateTime &time,
                         const QString &instead)
{
    const QDateTime local = time.toLocalTime();
    const QString when = local.date() == QDate::currentDate()
                             ? local.toString(QStringLiteral("HH:mm"))
                             : local.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString target = originalPath.isEmpty()
                               ? QCoreApplication::translate("Recovery", "a new scheme")
                               : QLatin1Char('"') + QDir::toNativeSeparators(originalPath) + QLatin1Char('"');
    QString question =
        instead.isEmpty()
            ? QCoreApplication::translate(
                  "Recovery", "%1 did not close properly. Recover the unsaved changes to %2 from %3?")
                  .arg(appTitle, target, when)
            : QCoreApplication::translate("Recovery",
                                          "%1 did not close properly and kept the unsaved changes to %2 "
                                          "from %3. Recover them instead of opening \"%4\"?")
                  .arg(appTitle, target, when, QDir::toNativeSeparators(instead));
    if (!originalPath.isEmpty() && !folderExists(originalPath))
        question += QCoreApplication::translate("Recovery", "\nIts folder no longer exists: the scheme opens "
                                                            "without a name, and Save asks for one.");
    return question;
}

bool offerRecovery(MainWindow &form, const QString &folder, const QString &namedScheme)
{
    bool recovered = false;
    form.guard([&] {
        std::vector<RecoveredFile> files = findRecoveryFiles(folder);
        QStringList broken;
        for (RecoveredFile &file : files) {
            if (!readable(file)) {
                const QString asideName = file.setAside();
                broken << QCoreApplication::translate(
                              "Recovery",
                              "The recovery file \"%1\" could not be read and was set aside as \"%2\".")
                              .arg(QDir::toNativeSeparators(file.schemePath),
                                   QFileInfo(asideName).fileName());
                continue;
            }
            if (!broken.isEmpty())
                form.showInfo(broken.join(QLatin1Char('\n')));
            broken.clear();
            const QString title = form.applicationTitle();
            // A scheme named on the command line is opened unless other changes are recovered.
            const QString instead =
                QDir::cleanPath(file.originalPath) == namedScheme ? QString() : namedScheme;
            const QStringList paths{QDir::toNativeSeparators(file.originalPath),
                                    QDir::toNativeSeparators(instead)};
            if (form.modal().askYesNo(&form, title,
                                      recoveryQuestion(title, file.originalPath, file.time, instead), false,
                                      paths)) {
                form.documents().recoverModel(file.schemePath, file.originalPath);
                if (Autosaver *autosaver = form.autosaver())
                    autosaver->adopt(std::move(file));
                else
                    file.discard();
                recovered = true;
            } else {
                file.discard();
            }
            break; // the others wait for the next start (their locks are released with `files`)
        }
        if (!broken.isEmpty())
            form.showInfo(broken.join(QLatin1Char('\n')));
    });
    return recovered;
}
