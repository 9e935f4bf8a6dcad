#include "toolkit/CaptionFont.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QRawFont>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

const char *const kFallbackFamily = "DejaVu Sans";

bool isTahoma(const QString &name)
{
    return name.compare(captionFontName(), Qt::CaseInsensitive) == 0;
}

QFont exactFont(const QString &family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(std::max(pixelSize, 1));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setKerning(false);
    // No shaping keeps ligatures away, so a text is exactly its characters side by side; full
    // hinting gives whole-pixel advances, so its width is the sum of theirs.
    font.setStyleStrategy(
        QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging | QFont::PreferNoShaping));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QString loadTahomaFamily()
{
    // The file lies outside fontconfig's folders, so it is registered with the application.
    if (QFile::exists(QLatin1String(kCaptionFontFile))) {
        const int id = QFontDatabase::addApplicationFont(QLatin1String(kCaptionFontFile));
        const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
        if (!family.isEmpty() && QFontInfo(exactFont(family, 11)).family() == family)
            return family;
    }
    return QLatin1String(kFallbackFamily);
}

} // namespace

QString captionFamily()
{
    // Fonts can be registered only once the GUI application exists; until then nothing is cached.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QLatin1String(kFallbackFamily);
    static const QString family = loadTahomaFamily();
    return family;
}

QFont captionFont(const QString &name, int pixelSize)
{
    return exactFont(isTahoma(name) ? captionFamily() : name, pixelSize);
}

TextCellMetrics textCellMetrics(const QFont &font)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    if (os2.size() >= 78 && head.size() >= 20) {
        const auto *o = reinterpret_cast<const uchar *>(os2.constData());
        const auto *h = reinterpret_cast<const uchar *>(head.constData());
        const double unitsPerEm = qFromBigEndian<quint16>(h + 18);
        const double winAscent = qFromBigEndian<quint16>(o + 74);
        const double winDescent = qFromBigEndian<quint16>(o + 76);
        if (unitsPerEm > 0) {
            const int px = font.pixelSize();
            const int ascent = static_cast<int>(std::lround(winAscent * px / unitsPerEm));
            const int descent = static_cast<int>(std::lround(winDescent * px / unitsPerEm));
            if (ascent > 0 && descent >= 0)
                return {ascent + descent, ascent};
        }
    }
    const QFontMetrics metrics(font);
    return {metrics.height(), metrics.ascent()};
}

bool captionFontFound()
{
    return captionFamily() != QLatin1String(kFallbackFamily);
}

QString captionFontMissingNote()
{
    return QCoreApplication::translate("CaptionFont",
                                       "The caption font %1 (Debian package fonts-wine) could not "
                                       "be loaded: text is drawn in %2, whose sizes differ.")
        .arg(QLatin1String(kCaptionFontFile), QLatin1String(kFallbackFamily));
}

QFont controlFont()
{
    QFont font(captionFamily());
    font.setPixelSize(kCaptionPixelSize);
    return font;
}
