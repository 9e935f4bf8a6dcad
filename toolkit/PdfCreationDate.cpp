#include "toolkit/PdfCreationDate.h"

#include "toolkit/Errors.h"

#include <QCoreApplication>

namespace {

[[noreturn]] void unexpected()
{
    throw AppError(QCoreApplication::translate("VectorPicture", "The PDF picture could not be dated."));
}

// The number at `at`, after any blanks; `end` is set to where it ends.
qsizetype numberAfter(const QByteArray &pdf, qsizetype at, qsizetype *end)
{
    qsizetype i = at;
    while (i < pdf.size() && (pdf[i] == ' ' || pdf[i] == '\n' || pdf[i] == '\r'))
        ++i;
    const qsizetype start = i;
    while (i < pdf.size() && pdf[i] >= '0' && pdf[i] <= '9')
        ++i;
    bool ok = false;
    const qsizetype value = pdf.mid(start, i - start).toLongLong(&ok);
    if (!ok)
        unexpected();
    *end = i;
    return value;
}

} // namespace

QByteArray pdfWithCreationDate(QByteArray pdf, const QDateTime &date)
{
    // The document information dictionary comes first: "/CreationDate (D:...)".
    const QByteArray key = "\n/CreationDate (";
    const qsizetype at = pdf.indexOf(key);
    const qsizetype open = at + key.size() - 1;
    const qsizetype close = at < 0 ? -1 : pdf.indexOf(')', open);
    if (close < 0)
        unexpected();
    const QByteArray value =
        "(D:" + date.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    const qsizetype shift = value.size() - (close + 1 - open);
    pdf.replace(open, close + 1 - open, value);

    // "xref", "0 N", then N entries of 20 bytes: a 10-digit offset, the generation and n or f.
    const qsizetype startxrefAt = pdf.lastIndexOf("\nstartxref\n");
    if (startxrefAt < 0)
        unexpected();
    qsizetype startxrefEnd = 0;
    const qsizetype xref = numberAfter(pdf, startxrefAt + 11, &startxrefEnd) + shift;
    if (xref <= open || xref >= pdf.size() || !QByteArrayView(pdf).sliced(xref).startsWith("xref\n0 "))
        unexpected();
    qsizetype entry = 0;
    const qsizetype count = numberAfter(pdf, xref + 7, &entry);
    entry += 1; // the line break after the count
    constexpr qsizetype kEntry = 20;
    if (count < 1 || entry + count * kEntry > pdf.size())
        unexpected();
    for (qsizetype k = 0; k < count; ++k, entry += kEntry) {
        if (pdf[entry + 17] != 'n')
            continue;
        const qsizetype offset = QByteArrayView(pdf).sliced(entry, 10).toLongLong();
        if (offset > open)
            pdf.replace(entry, 10, QByteArray::number(offset + shift).rightJustified(10, '0'));
    }
    pdf.replace(startxrefAt + 11, startxrefEnd - (startxrefAt + 11), QByteArray::number(xref));
    return pdf;
}
