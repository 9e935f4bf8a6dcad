#pragma once

#include "editor/EditorUi.h"

#include <QImage>
#include <QHash>
#include <QStringList>

#include <functional>

// An EditorUi held in plain fields, for driving the editing logic without a window.
// Starts in the main window's start-up state.
class FakeUi : public EditorUi {
public:
    FakeUi();

    QHash<Ctl, bool> enabled, visible, checked;
    QHash<Ctl, QString> texts;
    Ctl focused = Ctl::CursorTool;
    bool captionSelectedAll = false;
    int color = 0;
    Ctl toolDown = Ctl::CursorTool;
    QSize clientSize{688, 473};
    QString caption = QStringLiteral("Gravelink");
    QStringList infos, errors, questions;
    // What the file dialogs were asked with, and how often the new-sheet dialog ran.
    struct FileRequest {
        QString filter, suffix, folder;
    };
    QList<FileRequest> opens, saves;
    int newSheetDialogs = 0;
    int overlayChanges = 0;
    int navigateCalls = 0;

    // Answers and choices for the modal boxes; the defaults cancel.
    std::function<SaveAnswer(const QString &)> onAsk = [](const QString &) { return SaveAnswer::Cancel; };
    std::function<bool(const QString &)> onYesNo = [](const QString &) { return false; };
    std::function<QString()> onOpen = [] { return QString(); };
    std::function<QString()> onSave = [] { return QString(); };
    std::function<bool(int &, int &)> onNewSheet = [](int &, int &) { return false; };
    QImage clipboard;
    bool closeRequested = false;

    void setEnabled(Ctl c, bool e) override { enabled[c] = e; }
    bool isEnabled(Ctl c) const override { return enabled.value(c, true); }
    void setVisible(Ctl c, bool v) override { visible[c] = v; }
    bool isVisible(Ctl c) const override { return visible.value(c, true); }
    void setChecked(Ctl c, bool v) override { checked[c] = v; }
    bool isChecked(Ctl c) const override { return checked.value(c, false); }
    QString text(Ctl c) const override { return texts.value(c); }
    void setText(Ctl c, const QString &t) override { texts[c] = t; }
    bool hasFocus(Ctl c) const override { return focused == c; }
    void focusCaptionSelectAll() override
    {
        focused = Ctl::CaptionEdit;
        captionSelectedAll = true;
    }
    int colorIndex() const override { return color; }
    void setColorIndex(int i) override { color = i; }
    void setToolDown(Ctl b) override { toolDown = b; }
    void overlayChanged() override { ++overlayChanges; }
    void sheetGeometryChanged() override {}
    QSize drawingAreaClientSize() const override { return clientSize; }
    void navigateView(bool, bool) override { ++navigateCalls; }
    void setWindowCaption(const QString &c) override { caption = c; }
    QString applicationTitle() const override { return QStringLiteral("Gravelink"); }
    void showInfo(const QString &t) override { infos << t; }
    void showError(const QString &t) override { errors << t; }
    SaveAnswer askSaveChanges(const QString &q) override
    {
        questions << q;
        return onAsk(q);
    }
    bool askYesNo(const QString &q, bool) override
    {
        questions << q;
        return onYesNo(q);
    }
    QString chooseOpenFile(const QString &filter, const QString &suffix, const QString &folder) override
    {
        opens.append({filter, suffix, folder});
        return onOpen();
    }
    QString chooseSaveFile(const QString &filter, const QString &suffix, const QString &folder) override
    {
        saves.append({filter, suffix, folder});
        return onSave();
    }
    bool runNewSheetDialog(int &w, int &h) override
    {
        ++newSheetDialogs;
        return onNewSheet(w, h);
    }
    void copyImageToClipboard(const QImage &image) override { clipboard = image; }
    // The clipboard's scheme (bytes, text and picture maker) and the pointer over the area.
    QByteArray clipScheme;
    QString clipText;
    std::function<QImage()> clipPicture;
    std::optional<QPoint> pointer;
    void setClipboardScheme(const QByteArray &scheme, const QString &text,
                            std::function<QImage()> picture) override
    {
        clipScheme = scheme;
        clipText = text;
        clipPicture = std::move(picture);
    }
    QString clipboardSchemeText() const override { return clipText; }
    std::optional<QPoint> pointerInDrawingArea() const override { return pointer; }
    void closeWindow() override { closeRequested = true; }
};
