#include "ui/editor/FileWatch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QList>
#include <QPointer>

// The one system watcher, and who watches each path. Owned by the
// application, so it goes before the application does.
class CFileWatchHub : public QObject {
public:
    explicit CFileWatchHub(QObject* pParent) : QObject(pParent)
    {
        connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CFileWatchHub::Tell);
        connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &CFileWatchHub::Tell);
    }

    // The hub, made on first use; null once the application has gone.
    static CFileWatchHub* Instance(bool bMake)
    {
        static QPointer<CFileWatchHub> s_pHub;
        if (!s_pHub && bMake && QCoreApplication::instance())
            s_pHub = new CFileWatchHub(QCoreApplication::instance());
        return s_pHub;
    }

    void Add(const QString& strPath, bool bFile, CFileWatch* pWatch)
    {
        if (strPath.isEmpty())
            return;
        QList<CFileWatch*>& watches = m_watches[strPath];
        if (!watches.contains(pWatch))
            watches.push_back(pWatch);
        const bool bWatched = bFile ? m_watcher.files().contains(strPath) : m_watcher.directories().contains(strPath);
        if (!bWatched && (!bFile || QFileInfo::exists(strPath)))
            m_watcher.addPath(strPath);
    }

    void Remove(const QString& strPath, CFileWatch* pWatch)
    {
        auto it = m_watches.find(strPath);
        if (it == m_watches.end())
            return;
        it->removeAll(pWatch);
        if (it->isEmpty()) {
            m_watches.erase(it);
            m_watcher.removePath(strPath);
        }
    }

private:
    void Tell(const QString& strPath)
    {
        // A copy: a watch told may change what it watches.
        const QList<CFileWatch*> watches = m_watches.value(strPath);
        for (CFileWatch* pWatch : watches)
            emit pWatch->Changed();
    }

    QFileSystemWatcher m_watcher;
    QHash<QString, QList<CFileWatch*>> m_watches;
};

CFileWatch::CFileWatch(QObject* pParent) : QObject(pParent) {}

CFileWatch::~CFileWatch()
{
    Watch(QString(), QString());
}

void CFileWatch::Watch(const QString& strFile, const QString& strFolder)
{
    CFileWatchHub* pHub = CFileWatchHub::Instance(!strFile.isEmpty() || !strFolder.isEmpty());
    if (!pHub)
        return;
    if (m_strFile != strFile)
        pHub->Remove(m_strFile, this);
    if (m_strFolder != strFolder)
        pHub->Remove(m_strFolder, this);
    m_strFile = strFile;
    m_strFolder = strFolder;
    pHub->Add(m_strFile, true, this);
    pHub->Add(m_strFolder, false, this);
}
