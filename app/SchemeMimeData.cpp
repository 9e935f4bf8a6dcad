#include "app/SchemeMimeData.h"

#include <QBuffer>

const QString SchemeMimeData::kSchemeType = QStringLiteral("application/x-gravelink-scheme");

namespace {

const QString kPng = QStringLiteral("image/png");
const QString kQtImage = QStringLiteral("application/x-qt-image");
const QString kText = QStringLiteral("text/plain");

} // namespace

SchemeMimeData::SchemeMimeData(const QByteArray &scheme, const QString &text, std::function<QImage()> picture)
    : m_scheme(scheme), m_text(text), m_makePicture(std::move(picture))
{}

QStringList SchemeMimeData::formats() const
{
    return {kSchemeType, kText, QStringLiteral("text/plain;charset=utf-8"), kPng, kQtImage};
}

bool SchemeMimeData::hasFormat(const QString &type) const
{
    return formats().contains(type);
}

QImage SchemeMimeData::picture() const
{
    if (!m_pictureMade && m_makePicture) {
        m_picture = m_makePicture();
        m_pictureMade = true;
    }
    return m_picture;
}

QVariant SchemeMimeData::retrieveData(const QString &type, QMetaType preferred) const
{
    if (type == kSchemeType)
        return m_scheme;
    if (type.startsWith(kText))
        return preferred.id() == QMetaType::QByteArray ? QVariant(m_text.toUtf8()) : QVariant(m_text);
    if (type == kQtImage)
        return picture();
    if (type == kPng) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture().save(&buffer, "PNG");
        return png;
    }
    return QMimeData::retrieveData(type, preferred);
}
