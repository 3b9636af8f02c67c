#pragma once

#include <QWidget>

class QTimer;

namespace vantorelle {

// Product name and version shown while the tables load. It closes no earlier
// than its own timer allows: the start-up waits for the timer, then closes it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

    // How long the window shows at least; 1.5 seconds unless set.
    void setShowTime(int milliseconds);

    // True once the timer has fired.
    bool hasExpired() const { return expired_; }

    // Runs a local event loop until the timer has fired, so the splash repaints
    // and timers tick while the caller waits. Returns at once when it already has.
    void waitUntilExpired();

signals:
    void expired();

private:
    void timerFired();

    QTimer *timer_;
    bool expired_ = false;
};

} // namespace vantorelle
