#pragma once

#include <QDialog>

#include "settings/installation.h"

namespace vantorelle {

// Version and installation details: platform, operating system, folders and the
// installation's registry values. The text is rebuilt each time the window is
// made.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(const Installation &installation, QWidget *parent = nullptr);

    // The information text as shown, every line ending in CR LF.
    static QString infoText(const Installation &installation);
};

} // namespace vantorelle
