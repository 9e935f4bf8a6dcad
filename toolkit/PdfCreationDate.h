#pragma once

#include <QByteArray>
#include <QDateTime>

// The PDF with `date` (in UTC) as the creation date of its document information instead of
// the one Qt's writer took from the clock, in its local time. The cross-reference table's
// offsets after the date follow its new length. Throws AppError when the document is not laid
// out as Qt's writer lays it out.
QByteArray pdfWithCreationDate(QByteArray pdf, const QDateTime &date);
