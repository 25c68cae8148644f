#pragma once

#include <QDialog>

// "About Tarnwick": logo, version, a usage note, the web address, OK and
// "Visit Web Site".
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* pParent = nullptr);

    static QString WebAddress();

private:
    void OnVisitWebSite();
};
