#include "editor/RecentFiles.h"

#include <QSettings>

namespace {

const QString kKey = QStringLiteral("recentFiles");

} // namespace

void RecentFiles::useSettings(QSettings *settings)
{
    m_settings = settings;
    if (m_settings) {
        m_paths = m_settings->value(kKey).toStringList();
        m_paths.removeAll(QString());
        m_paths.removeDuplicates();
        while (m_paths.size() > kMax)
            m_paths.removeLast();
    }
    if (m_changed)
        m_changed();
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    m_paths.removeAll(path);
    m_paths.prepend(path);
    while (m_paths.size() > kMax)
        m_paths.removeLast();
    store();
}

void RecentFiles::remove(const QString &path)
{
    if (m_paths.removeAll(path) > 0)
        store();
}

void RecentFiles::clear()
{
    m_paths.clear();
    store();
}

void RecentFiles::store()
{
    if (m_settings) {
        m_settings->setValue(kKey, m_paths);
        m_settings->sync();
    }
    if (m_changed)
        m_changed();
}
