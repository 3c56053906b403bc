#pragma once

#include <QDialog>
#include <QUrl>

class QLabel;

// The About box: the application icon, the product's name and version, a link to the product's
// web page and OK. It opens centred on the window that asked for it.
class AboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit AboutDlg(QWidget* parent);

    void SetProductName(const QString& name);
    // The version text alone; the box puts "Version" before it.
    void SetVersion(const QString& version);
    void SetWebPage(const QUrl& address);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OpenWebPage();

    QLabel* productName;
    QLabel* version;
    QLabel* link;
    QUrl webPage;
};
