#include "settings/error_box_and_logs.h"

#include "platform/file_writer.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "settings/app_info.h"
#include "settings/support_info.h"
#include "store/clock.h"
#include "text/cp1252.h"

namespace vantorelle {

namespace {

const QString crLf = QStringLiteral("\r\n");

// "Dec-08-2026  07:05", in English whatever the user's language.
QString errorDate(const LocalDateTime &at)
{
    static const char *const months[]
        = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const auto twoDigits
        = [](int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return QString::fromLatin1(months[at.month - 1]) + QLatin1Char('-') + twoDigits(at.day)
        + QLatin1Char('-') + QString::number(at.year) + QLatin1String("  ") + twoDigits(at.hour)
        + QLatin1Char(':') + twoDigits(at.minute);
}

// "An error occurred while <operation>." and the error's number and description.
QString errorText(const AppError &error, const QString &operation)
{
    // A non-negative number keeps a blank where the sign would be: "ErrorCode =  53".
    const QString number = error.number() < 0 ? QString::number(error.number())
                                              : QLatin1Char(' ') + QString::number(error.number());
    return QLatin1String("An error occurred while ") + operation + QLatin1Char('.') + crLf + crLf
        + QLatin1String("ErrorCode = ") + number + QLatin1String(" (") + error.description()
        + QLatin1Char(')');
}

// A failure of a file names it, unless the caller's details do already.
QString detailsNamingFile(const AppError &error, const QString &details)
{
    if (error.file().isEmpty() || details.contains(error.file()))
        return details;
    const QString file = QLatin1String("Filename = ") + error.file();
    return details.isEmpty() ? file : details + crLf + crLf + file;
}

void appendToLog(const QString &dataFolder, const QString &fileName, const QString &text)
{
    if (dataFolder.isEmpty())
        return;
    FileWriter::append(dataFolder + fileName, Cp1252::fromUnicode(text));
}

} // namespace

void showError(const Installation &installation, const AppError &error, const QString &operation,
    const QString &details)
{
    const QString shownDetails = detailsNamingFile(error, details);
    QString advice = shownDetails.isEmpty() ? QString() : crLf + crLf + shownDetails;
    advice += crLf + crLf + QLatin1String("If you continue to get this error,") + crLf
        + QLatin1String("check ") + QLatin1String(SupportInfo::webSite)
        + QLatin1String(" for support on this product.") + crLf + crLf
        + QLatin1String("If a solution cannot be found online,") + crLf
        + QLatin1String("then e-mail tech support at ") + QLatin1String(SupportInfo::email)
        + QLatin1Char('.');

    const QString text = errorText(error, operation);
    try {
        writeErrorLog(installation, text);
    } catch (const AppError &) {
        // The user still learns of the original failure from the box.
    }
    prompter().ask(QStringLiteral("Error"), text + advice);
}

void logError(const Installation &installation, const AppError &error, const QString &operation,
    const QString &details)
{
    QString text = errorText(error, operation);
    if (const QString logged = detailsNamingFile(error, details); !logged.isEmpty())
        text += crLf + crLf + logged;
    logError(installation, text);
}

void logError(const Installation &installation, const QString &text)
{
    try {
        writeErrorLog(installation, text);
    } catch (const AppError &) {
        // Nobody is left to tell.
    }
}

void writeErrorLog(const Installation &installation, const QString &text)
{
    QString programPath = paths().programFolder();
    if (programPath.endsWith(QLatin1Char('/')))
        programPath.chop(1);
    const QString entry = QLatin1String("Application: ") + QLatin1String(AppInfo::title) + crLf
        + QLatin1String("Version: ") + QLatin1String(AppInfo::version) + crLf
        + QLatin1String("Platform: ") + platformName(installation.platform) + crLf
        + QLatin1String("Data Path: ") + installation.dataFolder + crLf
        + QLatin1String("Program Path: ") + programPath + crLf + crLf
        + QLatin1String("Error Date: ") + errorDate(Clock::current().now()) + crLf
        + QLatin1String("Error Information:") + crLf + text + crLf + QString(35, QLatin1Char('-'))
        + crLf;
    appendToLog(installation.dataFolder, QStringLiteral("errorlog.txt"), entry);
}

void writeSetupLog(const Installation &installation, const QString &text)
{
    try {
        appendToLog(installation.dataFolder, QStringLiteral("setuplog.txt"), text + crLf);
    } catch (const AppError &) {
        // The log is a trace of the configuration for support; losing a line
        // loses no record. Passed on, the failure would end the configuration
        // or handheld step that writes the line halfway through, with an
        // error box about a log. What keeps the records from being saved is
        // told where it matters: a data folder that cannot be written once
        // the program has started, a full disk by the table writes that fail.
    }
}

} // namespace vantorelle
