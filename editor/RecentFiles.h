#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QSettings;

// The schemes last opened or saved, newest first, at most kMax; kept in the settings given (none:
// for this run only).
class RecentFiles {
public:
    static constexpr int kMax = 10;

    // Reads the list from `settings` (not owned; may be null), which must outlive this.
    void useSettings(QSettings *settings);

    const QStringList &paths() const { return m_paths; }
    // Puts a path first, removing it further down and the oldest beyond kMax.
    void add(const QString &path);
    void remove(const QString &path);
    void clear();
    // Called after every change of the list.
    void setChangeHandler(std::function<void()> handler) { m_changed = std::move(handler); }

private:
    void store();

    QSettings *m_settings = nullptr;
    QStringList m_paths;
    std::function<void()> m_changed;
};
