#include "app/ModalProvider.h"

#include "app/MessageText.h"
#include "dialogs/NewSheetDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

namespace {

QString runFileDialog(QWidget *parent, QFileDialog::AcceptMode mode, const QString &filter,
                      const QString &defaultSuffix, const QString &startDir)
{
    QFileDialog dialog(parent, QString(), startDir, filter);
    dialog.setAcceptMode(mode);
    // The open dialog takes a typed name of a file that does not exist; the save dialog
    // replaces an existing file without asking.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without extension takes that of the file type chosen in the dialog.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &chosen) {
        static const QRegularExpression firstPattern(QStringLiteral("\\*\\.(\\w+)"));
        const QRegularExpressionMatch m = firstPattern.match(chosen);
        if (m.hasMatch())
            dialog.setDefaultSuffix(m.captured(1));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// Where a menu of `size` pops up on `screen` (its available area) when asked to at `at`: there
// when it fits below that point; otherwise, since the toolkit would move it up over
// `keepClear`, beside that rectangle (right of it, or left when there is no room on the right),
// as low as the screen allows.
QPoint menuPlacement(const QSize &size, const QPoint &at, const QRect &keepClear, const QRect &screen)
{
    if (at.y() + size.height() - 1 <= screen.bottom())
        return at;
    const int y = std::max(screen.top(), std::min(at.y(), screen.bottom() - size.height() + 1));
    if (keepClear.right() + size.width() <= screen.right())
        return {keepClear.right() + 1, y};
    if (keepClear.left() - size.width() >= screen.left())
        return {keepClear.left() - size.width(), y};
    return at;
}

} // namespace

void QtModalProvider::showInfo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void QtModalProvider::showError(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

SaveAnswer QtModalProvider::askSaveChanges(QWidget *parent, const QString &title, const QString &question)
{
    QMessageBox box(QMessageBox::Question, title, question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

bool QtModalProvider::askYesNo(QWidget *parent, const QString &title, const QString &question,
                               bool noIsDefault, const QStringList &wholeLines)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    if (!wholeLines.isEmpty()) {
        const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
        box.setTextFormat(Qt::RichText);
        box.setText(messageHtml(question, wholeLines, box.fontMetrics(),
                                messageLineWidth(screen ? screen->availableGeometry().width() : 640)));
    }
    box.setDefaultButton(noIsDefault ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtModalProvider::chooseOpenFile(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                        const QString &startDir)
{
    return runFileDialog(parent, QFileDialog::AcceptOpen, filter, defaultSuffix, startDir);
}

QString QtModalProvider::chooseSaveFile(QWidget *parent, const QString &filter, const QString &defaultSuffix,
                                        const QString &startDir)
{
    return runFileDialog(parent, QFileDialog::AcceptSave, filter, defaultSuffix, startDir);
}

bool QtModalProvider::runNewSheetDialog(NewSheetDialog *dialog, int &width, int &height)
{
    return dialog && dialog->execFor(width, height);
}

void QtModalProvider::runDialog(QDialog *dialog)
{
    dialog->exec();
}

void QtModalProvider::popupMenu(QMenu *menu, const QPoint &screenPos, const QRect &keepClear)
{
    const QScreen *screen = QGuiApplication::screenAt(screenPos);
    if (!screen)
        screen = menu->screen();
    menu->exec(menuPlacement(menu->sizeHint(), screenPos, keepClear, screen->availableGeometry()));
}

void QtModalProvider::printPreview(QWidget *parent, bool landscape,
                                   const std::function<void(QPrinter &, PrintScale)> &paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintPreviewDialog dialog(&printer, parent);
    PrintScale scale = PrintScale::FitToPage;
    // The scale, beside the preview's own controls.
    if (auto *bar = dialog.findChild<QToolBar *>()) {
        auto *choice = new QComboBox(bar);
        choice->setObjectName(QStringLiteral("printScale"));
        choice->addItem(QCoreApplication::translate("PrintScheme", "Fit to page"));
        choice->addItem(QCoreApplication::translate("PrintScheme", "Actual size"));
        bar->addSeparator();
        bar->addWidget(choice);
        QObject::connect(choice, &QComboBox::currentIndexChanged, &dialog, [&](int index) {
            scale = index == 0 ? PrintScale::FitToPage : PrintScale::ActualSize;
            if (auto *preview = dialog.findChild<QPrintPreviewWidget *>())
                preview->updatePreview();
        });
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { paint(*target, scale); });
    dialog.exec();
}

QString qtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses: drop the ones the name shows.
        const int open = name.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && name.endsWith(QLatin1Char(')')))
            name = name.left(open).trimmed();
        out << (name.isEmpty() ? patterns : name + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    if (out.isEmpty() && !filter.isEmpty())
        out << filter;
    return out.join(QStringLiteral(";;"));
}
