#pragma once

#include <QObject>
#include <QString>

// Tells when a file or its folder changes on disk. Every watch of the
// program shares one system watcher: each of those takes one of the few
// inotify instances a user may have (128 on many systems), and editors
// open by the hundred.
class CFileWatch : public QObject {
    Q_OBJECT
public:
    explicit CFileWatch(QObject* pParent = nullptr);
    ~CFileWatch() override;

    // Watches strFile (when it exists) and strFolder instead of what was
    // watched before; an empty string watches nothing. Called again with the
    // same paths, it watches the file anew if it was replaced or deleted and
    // the system dropped its watch.
    void Watch(const QString& strFile, const QString& strFolder);

signals:
    void Changed();

private:
    friend class CFileWatchHub;

    QString m_strFile;
    QString m_strFolder;
};
