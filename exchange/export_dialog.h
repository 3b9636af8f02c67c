#pragma once

#include "context/main_window_context.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vantorelle {

class FieldPicker;

// "Export Data": one topic of the profile the main window shows as a delimited
// text file, with the fields and delimiter the user picks, or the whole
// database as one ".lxp" file. The dialog opens with the choices of the last
// export, kept in the settings file (section "Main", keys "ExportData",
// "ExportDelim", "ExportFormat", "ExportDelimCustom", "ExportFile",
// "ExportFields"), which only the Export command writes.
//
// Export replaces the chosen file only with a complete export: the lines go to
// a temporary file renamed over it at the end, so a failure leaves the old file
// as it was, and "Export Complete" follows only a file completely written.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    // `profileName`: the profile as the main window's selector shows it; the
    // records are those of context.currentProfile().
    ExportDialog(MainWindowContext &context, const QString &profileName, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void restoreChoices();
    void showTopicFields();
    void chooseFile();
    // The chosen file, shown by its full path.
    void showFileName(const QString &name);
    void exportData();
    bool wholeDatabase() const;
    void storeChoices() const;
    // Writes the chosen export to `path`; false when the file cannot be
    // created. Throws AppError or TableError when the export fails.
    bool writeExport(const QString &path);

    MainWindowContext &context_;
    std::optional<QString> fileName_;

    std::array<QRadioButton *, 2> dataOptions_; // whole database, topic
    QComboBox *topics_;
    QGroupBox *format_;
    QButtonGroup *delimiters_;
    QLineEdit *customDelimiter_;
    FieldPicker *picker_;
    QLabel *fileLabel_;
    QLabel *exportedLabel_;
    QLabel *count_;
};

} // namespace vantorelle
