#include "toolkit/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication &app)
{
    const QLocale locale = QLocale::system();
    auto *own = new QTranslator(&app);
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../share/gravelink/translations"));
    if (own->load(locale, QStringLiteral("gravelink"), QStringLiteral("_"), QStringLiteral(":/i18n")) ||
        own->load(locale, QStringLiteral("gravelink"), QStringLiteral("_"), installed))
        QCoreApplication::installTranslator(own);
    else
        delete own;
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
