#include "x_server.h"

#include <QDeadlineTimer>

namespace vantorelle {

XServer::~XServer()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished();
        }
    }
}

bool XServer::start()
{
    // -displayfd: the server picks a free display and writes its number, here
    // to its standard output, once it accepts connections.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
            QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
            QStringLiteral("tcp")});
    if (!process_.waitForStarted())
        return false;
    QByteArray number;
    const QDeadlineTimer deadline(30000);
    while (!number.endsWith('\n') && process_.waitForReadyRead(int(deadline.remainingTime())))
        number += process_.readAllStandardOutput();
    if (!number.endsWith('\n'))
        return false;
    display_ = ':' + number.trimmed();
    return true;
}

} // namespace vantorelle
