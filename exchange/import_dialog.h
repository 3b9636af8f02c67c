#pragma once

#include "context/main_window_context.h"

#include <QDialog>
#include <QString>

#include <optional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vantorelle {

class FieldPicker;
class ImportText;
struct ReadingImportChoices;

// "Import Data": readings of one topic (blood pressure, weight, glucose,
// cholesterol) read from a delimited text file into the profile the main
// window shows. The user picks the file, its delimiter and date format,
// whether its first line is a header, and what each of its columns holds.
// The dialog opens with the choices of the last import, kept in the settings
// file (section "Main", keys "ImportData", "ImportDateFmt", "ImportDelim",
// "ImportFile", "ImportFields", "ImportHeaderRow"), which only Import writes.
//
// Import takes the choices once, disables them and adds the readings line by
// line, letting the window repaint at most every 50 ms. Cancel, closing the
// dialog, or the dialog hidden because the program is closing (a
// synchronisation on the handheld) stop it after the line in hand; the
// readings added until then stay. The main window's grid shows the topic
// afterwards.
//
// A line that cannot be imported (no real date or time, a quoted column never
// closed) is passed over: the first one is shown in the error box, and
// "Import Complete" gives their number. A line whose stored values hold
// characters the tables cannot hold is imported with "?" in their place;
// "Import Complete" gives the number of such lines and the first one.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // `profileName`: the profile as the main window's selector shows it; the
    // readings go to context.currentProfile().
    ImportDialog(MainWindowContext &context, const QString &profileName, QWidget *parent = nullptr);

    // Cancel and Escape: stop a running import, else close.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void restoreChoices();
    void showTopicFields();
    void chooseFile();
    // Shows `path` as the file to import, and its first line (nothing when
    // it cannot be read).
    void showFile(const QString &path);
    void importReadings();
    bool validChoices();
    void storeChoices() const;
    // None when the units question went unanswered: nothing is imported.
    std::optional<ReadingImportChoices> takeChoices();
    // What became of the lines of an import that ran to the end.
    struct ImportedLines {
        std::size_t refused = 0;
        // Lines stored with "?" for characters the tables cannot hold, and
        // the file's line number of the first of them.
        std::size_t replaced = 0;
        std::size_t firstReplaced = 0;
    };
    // Adds the lines of `text` after the `linesRead` already read to the
    // profile `profileKey`; none when the import was stopped.
    std::optional<ImportedLines> addLines(ImportText &text, std::size_t linesRead,
        ReadingImportChoices choices, const std::string &profileKey);
    // The "Import Complete" message of `lines`.
    static QString completeMessage(const ImportedLines &lines);
    void setRunning(bool running);
    void showCount(std::size_t count);

    MainWindowContext &context_;
    std::optional<QString> fileName_;
    bool running_ = false;
    bool stopAsked_ = false;

    QComboBox *topics_;
    QGroupBox *fileGroup_;
    QGroupBox *format_;
    QComboBox *dateFormats_;
    QCheckBox *header_;
    QButtonGroup *delimiters_;
    FieldPicker *picker_;
    QLabel *fileLabel_;
    QLabel *sample_;
    QLabel *count_;
    QPushButton *importButton_;
};

} // namespace vantorelle
