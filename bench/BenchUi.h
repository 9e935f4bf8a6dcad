#pragma once

#include "editor/EditorUi.h"

#include <QMap>

// A window stand-in for benchmarks: remembers control states and texts, answers every box with
// Cancel and shows nothing.
class BenchUi : public EditorUi {
public:
    void setEnabled(Ctl c, bool e) override { m_enabled[c] = e; }
    bool isEnabled(Ctl c) const override { return m_enabled.value(c, true); }
    void setVisible(Ctl c, bool v) override { m_visible[c] = v; }
    bool isVisible(Ctl c) const override { return m_visible.value(c, true); }
    void setChecked(Ctl c, bool v) override { m_checked[c] = v; }
    bool isChecked(Ctl c) const override { return m_checked.value(c, false); }
    QString text(Ctl c) const override { return m_texts.value(c); }
    void setText(Ctl c, const QString &t) override { m_texts[c] = t; }
    bool hasFocus(Ctl) const override { return false; }
    void focusCaptionSelectAll() override {}
    int colorIndex() const override { return m_color; }
    void setColorIndex(int i) override { m_color = i; }
    void setToolDown(Ctl) override {}
    void overlayChanged() override {}
    void sheetGeometryChanged() override {}
    QSize drawingAreaClientSize() const override { return {1200, 800}; }
    void navigateView(bool, bool) override {}
    void setWindowCaption(const QString &) override {}
    void showInfo(const QString &) override {}
    void showError(const QString &) override {}
    SaveAnswer askSaveChanges(const QString &) override { return SaveAnswer::Cancel; }
    QString chooseOpenFile(const QString &, const QString &, const QString &) override { return {}; }
    QString chooseSaveFile(const QString &, const QString &, const QString &) override { return {}; }
    bool runNewSheetDialog(int &, int &) override { return false; }
    void copyImageToClipboard(const QImage &) override {}
    void closeWindow() override {}

private:
    QMap<Ctl, bool> m_enabled, m_visible, m_checked;
    QMap<Ctl, QString> m_texts;
    int m_color = 0;
};
