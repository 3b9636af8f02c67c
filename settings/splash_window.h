#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace vantorelle {

// Product name and version shown while the tables load. It closes no earlier
// than its own timer allows: the timer marks `Tag` "expired" and the start-up,
// which waits for that mark, then closes the window.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    // "" until the timer has fired, "expired" afterwards.
    const QString &Tag() const { return tag; }

    // Runs a local event loop until the timer has fired, so the splash repaints
    // and timers tick while the caller waits. Returns at once when it already has.
    void waitUntilExpired();

    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblCopyright;
    QLabel *Label2;
    QLabel *Label1;
    QLabel *Label3;
    QLabel *Image1;
    QTimer *Timer1;

signals:
    void expired();

private:
    void Form_Load();
    void Timer1_Timer();

    QString tag;
};

} // namespace vantorelle
