#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "settings/installation.h"

namespace vantorelle {

// Version and installation details: platform, operating system, folders and the
// installation's registry values. The text is rebuilt each time the window is made.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(const Installation &installation, QWidget *parent = nullptr);

    // The information text as shown, every line ending in CR LF.
    static QString InfoText(const Installation &installation);

    QLabel *lblTitle;
    QPlainTextEdit *txtInfo;
    QPushButton *cmdOK;
    QLabel *Label1;
    QLabel *Label3;
    QLabel *lblCopyright;
    QLabel *Label2;
    QLabel *Image1;

private:
    void Form_Load(const Installation &installation);
    void cmdOK_Click();
};

} // namespace vantorelle
