#include "cli/Grvlk.h"

#include "cli/Console.h"

#include "render/ParallelRedraw.h"
#include "render/PictureFormats.h"
#include "toolkit/CaptionFont.h"
#include "toolkit/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryFile>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Reads, draws and writes one scheme; throws AppError with the reason.
void renderOne(const QString &in, const PictureFormat &format, const QString &out, const PictureInfo &info)
{
    SchemeReadResult scheme = readSchemeFile(in);
    if (!scheme.ok)
        throw AppError(scheme.error);
    format.write(scheme.tables, scheme.width, scheme.height, out, WriteMode::Fast, pictureInfoOf(in, info));
}

} // namespace

int renderBatch(const QStringList &inputs, const QString &folder, const PictureFormat &format,
                const PictureInfo &info, Console &console)
{
    if (!captionFontFound())
        console.fail(captionFontMissingNote());
    if (!QFileInfo(folder).isDir()) {
        console.fail(QCoreApplication::translate("grvlk", "\"%1\" is not a folder").arg(folder));
        return kGrvlkFailed;
    }
    // Each output is DIR/<input's name>.<suffix>; two inputs of one name would write one file.
    std::vector<QString> outputs;
    QHash<QString, int> named;
    for (const QString &in : inputs) {
        const QString out = QDir(folder).filePath(QFileInfo(in).completeBaseName() + QLatin1Char('.') +
                                                  QLatin1String(format.suffix));
        outputs.push_back(out);
        ++named[out];
    }

    std::vector<QString> failures(size_t(inputs.size()));
    std::atomic<qsizetype> next{0};
    // One picture per core at a time, each drawn on its own thread.
    const auto work = [&] {
        limitRedrawThreads(1);
        for (qsizetype i = next++; i < inputs.size(); i = next++) {
            if (named.value(outputs[size_t(i)]) > 1) {
                failures[size_t(i)] =
                    QCoreApplication::translate("grvlk", "\"%1\" would be written for more than one input")
                        .arg(QDir::toNativeSeparators(outputs[size_t(i)]));
                continue;
            }
            if (sameFile(inputs.at(i), outputs[size_t(i)])) {
                failures[size_t(i)] = QCoreApplication::translate(
                                          "grvlk", "the output \"%1\" is the input; it would be replaced")
                                          .arg(QDir::toNativeSeparators(outputs[size_t(i)]));
                continue;
            }
            try {
                renderOne(inputs.at(i), format, outputs[size_t(i)], info);
            } catch (const AppError &error) {
                failures[size_t(i)] = error.message();
            }
        }
    };
    const int threads = std::min<int>(redrawThreadCount(), int(inputs.size()));
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work);
    work();
    for (std::thread &t : pool)
        t.join();

    bool failed = false;
    for (qsizetype i = 0; i < inputs.size(); ++i)
        if (!failures[size_t(i)].isEmpty()) {
            console.fail(inputs.at(i) + QStringLiteral(": ") + failures[size_t(i)]);
            failed = true;
        }
    return failed ? kGrvlkFailed : kGrvlkOk;
}

int renderToStdout(const QString &in, const PictureFormat &format, const PictureInfo &info, Console &console)
{
    if (!captionFontFound())
        console.fail(captionFontMissingNote());
    // Written as to a file, then passed on whole: the same bytes.
    QTemporaryFile file(
        QDir::temp().filePath(QStringLiteral("grvlk-XXXXXX.") + QLatin1String(format.suffix)));
    try {
        if (!file.open())
            throw AppError(QCoreApplication::translate("grvlk", "Cannot create a temporary file. %1")
                               .arg(file.errorString()));
        file.close();
        renderOne(in, format, file.fileName(), info);
        QFile picture(file.fileName());
        if (!picture.open(QIODevice::ReadOnly))
            throw AppError(picture.errorString());
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(picture.readAll()) != picture.size() ||
            !out.flush())
            throw AppError(
                QCoreApplication::translate("grvlk", "Cannot write the picture to the standard output."));
    } catch (const AppError &error) {
        console.fail(in + QStringLiteral(": ") + error.message());
        return kGrvlkFailed;
    }
    return kGrvlkOk;
}
