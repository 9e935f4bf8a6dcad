#include "editor/DocumentCommands.h"

#include "model/SchemeFile.h"
#include "render/PictureFormats.h"
#include "render/SheetPictureFile.h"
#include "toolkit/Errors.h"
#include "toolkit/FileWrite.h"
#include "toolkit/SchemePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char *const kSchemeFilter = QT_TRANSLATE_NOOP("DocumentCommands", "Gravelink file (*.grvlk)|*.grvlk");
const QString kSchemeSuffix = QStringLiteral("grvlk");
// Save as Bitmap's format, and the name that Save as writes a bitmap to instead of the scheme.
const PictureFormat &kBitmap = bitmapFormat();
const QString kBitmapSuffix = QLatin1String(kBitmap.suffix);
const QString kBitmapExtension = QLatin1Char('.') + kBitmapSuffix;
const QString kSchemeExtension = QStringLiteral(".grvlk");

QString quoted(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

// Throws AppError unless the file holds exactly `bytes`: what a save wrote is read back.
void verifyWritten(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(DocumentCommands::tr("The scheme was written to %1 but cannot be read back. %2")
                           .arg(quoted(path), file.errorString()));
    if (file.readAll() != bytes)
        throw AppError(DocumentCommands::tr(
                           "The scheme was not saved: the file %1 read back differs from what was written.")
                           .arg(quoted(path)));
}

// What a file holds now, or a null stamp when it cannot be read.
DiskStamp stampOf(const QString &path)
{
    try {
        TextList lines;
        return lines.loadFromFile(path);
    } catch (const AppError &) {
        return {};
    }
}

// Position of the file-name part: after the last folder separator or drive colon.
qsizetype fileNameStart(const QString &path)
{
    const qsizetype cut = std::max({path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')),
                                    path.lastIndexOf(QLatin1Char(':'))});
    return cut + 1;
}

} // namespace

DocumentCommands::DocumentCommands(Editor &editor) : m_editor(editor), m_ui(editor.ui())
{}

QString DocumentCommands::get_Shortfilename(const QString &path)
{
    QString name = path.mid(fileNameStart(path));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

QString DocumentCommands::fileExtension(const QString &path)
{
    const QString name = path.mid(fileNameStart(path));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.mid(dot) : QString();
}

QString DocumentCommands::dialogFolder() const
{
    if (!m_editor.doc().fileName().isEmpty())
        return QFileInfo(m_editor.doc().fileName()).absolutePath();
    if (!m_lastFolder.isEmpty())
        return m_lastFolder;
    return QDir::currentPath();
}

void DocumentCommands::rememberFolder(const QString &path)
{
    m_lastFolder = QFileInfo(path).absolutePath();
}

void DocumentCommands::showFileCaption()
{
    m_ui.setWindowCaption(QLatin1Char('[') + get_Shortfilename(m_editor.doc().fileName()) +
                          QStringLiteral("]-") + m_ui.applicationTitle());
}

void DocumentCommands::SaveModel(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    Editor &e = m_editor;
    const QByteArray bytes =
        schemeBytes(e.doc().sheet().width(), e.doc().sheet().height(), e.doc().tables(), e.locked());
    if (m_stamp.path() == fileName && m_stamp.check(true) == DiskStamp::State::Changed &&
        !m_ui.askYesNo(tr("The file %1 was changed by another program after it was opened. "
                          "Replace it with this scheme?")
                           .arg(quoted(fileName)),
                       true))
        throw SilentAbort();
    writeFileSafely(fileName, bytes);
    verifyWritten(fileName, bytes);
    m_stamp = DiskStamp::afterWrite(fileName, bytes);
    m_offeredChange = DiskStamp();
    m_recent.add(fileName);
    e.doc().markSaved();
}

void DocumentCommands::LoadModel(const QString &fileName)
{
    loadScheme(fileName, true);
}

void DocumentCommands::loadScheme(const QString &name, bool remember)
{
    const QString fileName = absoluteSchemePath(name);
    Editor &e = m_editor;
    const bool wasModified = e.doc().modified();
    e.setGridVisible(false);
    m_stamp = DiskStamp();
    m_offeredChange = DiskStamp();
    QString failure;
    try {
        e.ClearAll();
        // The lines go before the scheme is drawn: the tables share their texts.
        SchemeReadResult scheme;
        DiskStamp stamp;
        {
            TextList lines;
            stamp = lines.loadFromFile(fileName);
            scheme = readScheme(lines);
        }
        if (scheme.sizeRead) {
            e.doc().createSheet(scheme.width, scheme.height);
            m_ui.sheetGeometryChanged();
            m_ui.navigateView(true, true);
        }
        // A failed read keeps the rows read before the failure, drawn as they stand.
        e.doc().adoptTables(std::move(scheme.tables));
        if (scheme.ok) {
            if (scheme.locked) {
                e.doc().setLocked(true);
                m_ui.setChecked(Ctl::LockAction, true);
                e.InstrumEnabled(false);
            }
            e.doc().setFileName(fileName);
            m_stamp = stamp;
            if (remember)
                m_recent.add(fileName);
            showFileCaption();
        } else {
            failure = tr("Cannot open the scheme \"%1\".\n%2")
                          .arg(QDir::toNativeSeparators(fileName), scheme.error);
        }
    } catch (const AppError &error) {
        failure = error.message();
    }
    // The sheet shows what the tables hold, after a failure too.
    try {
        e.UpdateImageModel();
    } catch (const AppError &error) {
        if (failure.isEmpty())
            failure = error.message();
    }
    // An opened scheme starts a new history; the midpoints its first redraw stores are part of it.
    // A scheme that could not be read keeps the modified state it had.
    e.doc().startHistory();
    if (!failure.isEmpty() && wasModified)
        e.doc().markModified();
    e.setGridVisible(true);
    e.refreshOverlay();
    e.SetStateLine();
    e.updateCommandStates();
    if (!failure.isEmpty())
        m_ui.showError(failure);
}

void DocumentCommands::recoverModel(const QString &recoveryFile, const QString &originalFile)
{
    loadScheme(recoveryFile, false); // the recovery file is no scheme of the user's
    Editor &e = m_editor;
    const QString original = folderExists(originalFile) ? QDir::cleanPath(originalFile) : QString();
    e.doc().setFileName(original);
    e.doc().markUnsaved();
    // Changes by other programs count from now on.
    m_stamp = original.isEmpty() ? DiskStamp() : stampOf(original);
    if (original.isEmpty())
        m_ui.setWindowCaption(m_ui.applicationTitle());
    else
        showFileCaption();
}

void DocumentCommands::checkFileOnDisk()
{
    Editor &e = m_editor;
    if (e.doc().modified() || m_stamp.isNull() || m_stamp.path() != e.doc().fileName() ||
        m_stamp.check() != DiskStamp::State::Changed)
        return;
    const DiskStamp seen = m_stamp.now();
    if (!m_offeredChange.isNull() && m_offeredChange.sameTimeAndSize(seen))
        return;
    m_offeredChange = seen;
    if (m_ui.askYesNo(
            tr("The file %1 was changed by another program. Reload it?").arg(quoted(m_stamp.path())), false))
        LoadModel(m_stamp.path());
}

void DocumentCommands::CheckFileSave()
{
    if (!m_editor.doc().modified())
        return;
    switch (m_ui.askSaveChanges(tr("Do you save the scheme?"))) {
    case SaveAnswer::Cancel:
        throw SilentAbort();
    case SaveAnswer::Yes:
        // Work is never dropped: a Save as that was cancelled (or wrote a bitmap) stops the
        // command as Cancel does; a failed write throws its error.
        if (!saveScheme())
            throw SilentAbort();
        return;
    case SaveAnswer::No:
        return;
    }
}

bool DocumentCommands::saveScheme()
{
    if (!m_editor.doc().fileName().isEmpty()) {
        SaveModel(m_editor.doc().fileName());
        return true;
    }
    return saveSchemeAs();
}

bool DocumentCommands::saveSchemeAs()
{
    Editor &e = m_editor;
    const QString path = absoluteSchemePath(
        m_ui.chooseSaveFile(DocumentCommands::tr(kSchemeFilter), kSchemeSuffix, dialogFolder()));
    if (path.isEmpty())
        return false;
    rememberFolder(path);
    if (fileExtension(path) == kBitmapExtension) {
        writeBitmap(path);
        return false;
    }
    // The scheme takes the new name only once it has been written there.
    const QString previous = e.doc().fileName();
    e.doc().setFileName(path);
    try {
        SaveModel(path);
    } catch (...) {
        e.doc().setFileName(previous);
        throw;
    }
    showFileCaption();
    return true;
}

void DocumentCommands::writeBitmap(const QString &fileName)
{
    saveSheetPicture(m_editor.doc().sheet().image(), fileName, kBitmap.qtFormat);
}

void DocumentCommands::newScheme()
{
    Editor &e = m_editor;
    CheckFileSave();
    int width = 842;
    int height = 595;
    if (m_ui.runNewSheetDialog(width, height)) {
        if (!sheetSizeAllowed(width, height))
            throw AppError(tr("A sheet of %1 x %2 pixels cannot be created.").arg(width).arg(height));
        e.doc().createSheet(width, height);
        m_ui.sheetGeometryChanged();
        e.ClearAll();
        m_ui.navigateView(true, true);
        e.SetStateLine();
        e.doc().startHistory();
    }
    e.setGridVisible(true);
    e.UpdateImageModel();
}

void DocumentCommands::openScheme()
{
    CheckFileSave();
    const QString path =
        m_ui.chooseOpenFile(DocumentCommands::tr(kSchemeFilter), kSchemeSuffix, dialogFolder());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    LoadModel(path);
}

void DocumentCommands::openRecent(const QString &path)
{
    CheckFileSave();
    // A file that is gone leaves the list; opening it says why.
    if (!QFileInfo::exists(path))
        m_recent.remove(path);
    LoadModel(path);
}

void DocumentCommands::save()
{
    saveScheme();
}

void DocumentCommands::saveAs()
{
    saveSchemeAs();
}

void DocumentCommands::saveAsBitmap()
{
    const QString path = m_ui.chooseSaveFile(kBitmap.filter(), kBitmapSuffix, dialogFolder());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    if (fileExtension(path).compare(kBitmapExtension, Qt::CaseInsensitive) != 0) {
        m_ui.showInfo(
            tr("Nothing was saved: the name of a bitmap file must end in \"%1\".").arg(kBitmapExtension));
        return;
    }
    writeBitmap(path);
}

void DocumentCommands::copyImage()
{
    m_ui.copyImageToClipboard(m_editor.doc().sheet().image());
}

void DocumentCommands::closeQuery(bool &canClose)
{
    try {
        CheckFileSave();
    } catch (const SilentAbort &) {
        canClose = false;
    } catch (const AppError &error) {
        m_ui.showError(error.message());
        canClose = false;
    }
}

QString DocumentCommands::startupScheme(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return {};
    const QString &path = arguments.first();
    if (!QFileInfo(path).isFile() || fileExtension(path).toLower() != kSchemeExtension)
        return {};
    return absoluteSchemePath(path);
}

void DocumentCommands::FormShow(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return;
    // Something there that is not a file (a folder, a pipe, a device) cannot be opened: say why.
    const QFileInfo named(arguments.first());
    if (named.exists() && !named.isFile()) {
        LoadModel(arguments.first());
        return;
    }
    const QString path = startupScheme(arguments);
    if (!path.isEmpty())
        LoadModel(path);
}
