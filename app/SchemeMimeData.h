#pragma once

#include <QImage>
#include <QMimeData>

#include <functional>

// A part of a scheme on the clipboard: the scheme file's bytes as this program's own type, the
// same scheme as plain text, and its picture as PNG, made only when a program asks for it.
class SchemeMimeData : public QMimeData {
    Q_OBJECT
public:
    static const QString kSchemeType; // application/x-gravelink-scheme

    SchemeMimeData(const QByteArray &scheme, const QString &text, std::function<QImage()> picture);

    QStringList formats() const override;
    bool hasFormat(const QString &type) const override;

protected:
    QVariant retrieveData(const QString &type, QMetaType preferred) const override;

private:
    QImage picture() const;

    QByteArray m_scheme;
    QString m_text;
    std::function<QImage()> m_makePicture;
    mutable QImage m_picture;
    mutable bool m_pictureMade = false;
};
