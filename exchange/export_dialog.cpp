#include "exchange/export_dialog.h"

#include "context/main_window_context.h"
#include "exchange/database_export.h"
#include "exchange/export_file.h"
#include "exchange/export_line.h"
#include "exchange/export_topics.h"
#include "exchange/field_picker.h"
#include "exchange/stored_choice.h"
#include "exchange/topic_export.h"
#include "platform/file_dialogs.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "settings/error_trap.h"
#include "settings/installation.h"
#include "settings/preferences.h"
#include "settings/settings_access.h"
#include "store/clock.h"
#include "text/cp1252.h"
#include "widgets/accessible_caption.h"
#include "widgets/enter_key.h"
#include "widgets/tab_order.h"
#include "widgets/typing_limit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantorelle {

namespace {

const QString section = QStringLiteral("Main");
const QString noFilename = QStringLiteral("No Filename Selected");

enum DataOption { WholeDatabaseOption, TopicOption };

// The settings file drops the blanks around a value and one pair of quotes
// enclosing it: a custom delimiter such as " " or "; " is stored in quotes so
// that it comes back as typed.
QString storedAsTyped(const QString &value)
{
    const auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    const bool blankAround = !value.isEmpty() && (blank(value.front()) || blank(value.back()));
    const bool quoted = value.size() >= 2 && value.front() == value.back()
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''));
    return blankAround || quoted ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

QRadioButton *radio(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QPushButton *pushButton(const QString &text, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QLabel *label(const QString &text, const char *name, QWidget *parent)
{
    auto *shown = new QLabel(text, parent);
    shown->setObjectName(QLatin1String(name));
    return shown;
}

} // namespace

ExportDialog::ExportDialog(MainWindowContext &context, const QString &profileName, QWidget *parent)
    : QDialog(parent)
    , context_(context)
    , dataOptions_ {radio(QStringLiteral("Vantorelle VOXA Format File (all profiles, all topics)"),
                        "optData(0)", this),
          radio(QString(), "optData(1)", this)}
    , topics_(new QComboBox(this))
    , format_(new QGroupBox(QStringLiteral("Export File Format"), this))
    , delimiters_(new QButtonGroup(this))
    , fileLabel_(label(noFilename, "lblFilename", this))
    , exportedLabel_(label(QStringLiteral("Records Exported:"), "lblExported", this))
    , count_(label(QStringLiteral("none"), "lblNum", this))
{
    setWindowTitle(QStringLiteral("Export Data"));
    topics_->setObjectName(QStringLiteral("cboExport"));
    format_->setObjectName(QStringLiteral("Frame2"));
    dataOptions_[TopicOption]->setAccessibleName(QStringLiteral("Topic"));

    auto *data = new QGroupBox(QStringLiteral("Data to Export"), this);
    auto *topicRow = new QHBoxLayout;
    topicRow->addWidget(dataOptions_[TopicOption]);
    topicRow->addWidget(topics_);
    topicRow->addWidget(label(QStringLiteral("for ") + profileName, "lblDataFor", data), 1);
    auto *dataLayout = new QVBoxLayout(data);
    dataLayout->addWidget(dataOptions_[WholeDatabaseOption]);
    dataLayout->addLayout(topicRow);
    auto *dataGroup = new QButtonGroup(this);
    dataGroup->addButton(dataOptions_[WholeDatabaseOption]);
    dataGroup->addButton(dataOptions_[TopicOption]);

    auto *delimiterRow = new QHBoxLayout;
    delimiterRow->addWidget(new QLabel(QStringLiteral("Field Delimiter:"), format_));
    const char *const delimiterNames[] = {"Comma", "Tab", "Custom"};
    for (int i = 0; i < 3; ++i) {
        auto *option = radio(QLatin1String(delimiterNames[i]),
            QStringLiteral("optDL(%1)").arg(i).toLatin1().constData(), format_);
        delimiters_->addButton(option, i);
        delimiterRow->addWidget(option);
    }
    customDelimiter_ = new QLineEdit(format_);
    customDelimiter_->setObjectName(QStringLiteral("txtDelim"));
    TypingLimit::of(customDelimiter_); // an export is written in cp1252
    // Its caption is the option beside it, not the group's title.
    nameByCaption(*customDelimiter_, delimiters_->button(2)->text());
    delimiterRow->addWidget(customDelimiter_);
    delimiterRow->addStretch();
    picker_ = new FieldPicker(QStringLiteral("Field Order In File to Export:"), format_);
    auto *formatLayout = new QVBoxLayout(format_);
    formatLayout->addLayout(delimiterRow);
    formatLayout->addWidget(picker_);

    auto *fileGroup = new QGroupBox(
        QStringLiteral("Select directory and filename to save the newly exported file to:"), this);
    QPushButton *chooseButton
        = pushButton(QStringLiteral("Select Filename to Create or Save"), "cmdGetDir", fileGroup);
    fileLabel_->setParent(fileGroup);
    fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path is cut at the label's edge (whole in its tool tip) instead
    // of widening the dialog past the screen, out of reach of its buttons.
    fileLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    fileLabel_->setMinimumWidth(300);
    auto *fileLayout = new QGridLayout(fileGroup);
    fileLayout->addWidget(chooseButton, 0, 0, 1, 2, Qt::AlignLeft);
    fileLayout->addWidget(label(QStringLiteral("Filename:"), "txtFileName", fileGroup), 1, 0);
    fileLayout->addWidget(fileLabel_, 1, 1);
    fileLayout->setColumnStretch(1, 1);

    QPushButton *exportButton = pushButton(QStringLiteral("&Export"), "cmdExport", this);
    QPushButton *cancelButton = pushButton(QStringLiteral("&Cancel"), "cmdCancel", this);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(exportedLabel_);
    bottom->addWidget(count_);
    bottom->addStretch();
    bottom->addWidget(exportButton);
    bottom->addWidget(cancelButton);
    exportedLabel_->hide();
    count_->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(data);
    layout->addWidget(format_);
    layout->addWidget(fileGroup);
    layout->addLayout(bottom);
    orderTabsByLayout(*this);

    // The delimiter and fields belong to a topic export only.
    connect(dataOptions_[TopicOption], &QRadioButton::toggled, format_, &QWidget::setEnabled);
    connect(topics_, &QComboBox::currentIndexChanged, this, &ExportDialog::showTopicFields);
    // Choosing a topic means exporting it.
    connect(topics_, &QComboBox::activated, dataOptions_[TopicOption],
        [this] { dataOptions_[TopicOption]->setChecked(true); });
    connect(chooseButton, &QPushButton::clicked, this, &ExportDialog::chooseFile);
    connect(exportButton, &QPushButton::clicked, this, &ExportDialog::exportData);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // No button stands ready for Enter (see keyPressEvent).
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    {
        const QSignalBlocker filling(topics_);
        for (const ExportTopic &topic : exportTopics)
            topics_->addItem(QString::fromUtf8(topic.entry));
    }
    dataOptions_[WholeDatabaseOption]->setChecked(true);
    format_->setEnabled(false);
    delimiters_->button(0)->setChecked(true);
    runTrapped(context_.installation(), QStringLiteral("loading the Export Dialog"),
        [this] { restoreChoices(); });
}

void ExportDialog::keyPressEvent(QKeyEvent *event)
{
    // No export starts from a list or the delimiter box.
    if (isEnterKey(*event)) {
        clickFocusedButton(*this);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ExportDialog::restoreChoices()
{
    const QString settings = context_.installation().settingsFile();
    const auto stored = [&](const char *key, const QString &defaultValue) {
        return readSetting(section, QLatin1String(key), defaultValue, settings);
    };
    {
        const QSignalBlocker choosing(topics_);
        topics_->setCurrentIndex(
            storedChoice(stored("ExportData", QStringLiteral("0")), -1, int(exportTopicCount) - 1));
    }
    showTopicFields();
    delimiters_->button(storedChoice(stored("ExportDelim", QStringLiteral("0")), 0, 2))
        ->setChecked(true);
    dataOptions_[storedChoice(stored("ExportFormat", QStringLiteral("0")), 0, 1)]->setChecked(true);
    customDelimiter_->setText(stored("ExportDelimCustom", QString()));
    if (const QString file = stored("ExportFile", QString()); !file.isEmpty()) {
        fileName_ = file;
        showFileName(file);
    }
    // Only the fields of the topic shown come back: a caption stored for
    // another topic, or edited in the file, is dropped.
    QStringList fields = storedFields(stored("ExportFields", QString()));
    const QStringList available = picker_->available();
    fields.removeIf([&](const QString &field) { return !available.contains(field); });
    picker_->appendOrdered(fields);
}

void ExportDialog::showTopicFields()
{
    QStringList captions;
    const int index = topics_->currentIndex();
    if (index >= 0) {
        const FieldTable &fields = *exportTopics[std::size_t(index)].fields;
        for (int row = 1; row <= fields.visibleCount; ++row)
            captions << QString::fromUtf8(fields.row(row).caption);
    }
    picker_->setAvailable(captions);
}

bool ExportDialog::wholeDatabase() const
{
    return dataOptions_[WholeDatabaseOption]->isChecked();
}

void ExportDialog::chooseFile()
{
    const std::optional<QString> chosen
        = fileDialogs().saveFile(QStringLiteral("Select Filename to Create or Save to"),
            QStringLiteral("Text Files(*.txt,*.csv,*.lxp)|*.txt;*.csv;*.lxp|All Files (*.*)|*.*"),
            fileName_.value_or(paths().documentsFolder()),
            // Export asks before it replaces a file.
            FileDialogs::ExistingFile::DoNotConfirm);
    if (!chosen)
        return;
    QString name = *chosen;
    // The whole database goes to a ".lxp" file: only the final extension changes.
    if (wholeDatabase()
        && (name.endsWith(QLatin1String(".txt")) || name.endsWith(QLatin1String(".csv")))) {
        name.chop(4);
        name += QLatin1String(".lxp");
    }
    fileName_ = name;
    showFileName(name);
}

void ExportDialog::showFileName(const QString &name)
{
    fileLabel_->setText(name);
    fileLabel_->setToolTip(name);
}

void ExportDialog::exportData()
{
    if (!fileName_) {
        prompter().ask(QStringLiteral("File Not Selected"),
            QStringLiteral("Please select a filename"), Prompter::OkOnly, Prompter::Information);
        return;
    }
    const QString path = *fileName_;
    if (QFileInfo::exists(path)
        && prompter().ask(QStringLiteral("File Exists"),
               QStringLiteral(
                   "The filename already exists.  Would you like to overwrite the current file?"),
               Prompter::YesNo, Prompter::Question)
            != Prompter::Yes)
        return;
    if (!wholeDatabase() && picker_->ordered().isEmpty()) {
        prompter().ask(QStringLiteral("Field Not Selected"),
            QStringLiteral("Please select a field to export"), Prompter::OkOnly,
            Prompter::Exclamation);
        return;
    }
    storeChoices();

    bool written = false;
    if (!runTrapped(context_.installation(), QStringLiteral("exporting data"),
            [&] { written = writeExport(path); })) {
        reject();
        return;
    }
    if (!written)
        return;
    prompter().ask(QStringLiteral("Export"), QStringLiteral("Export Complete"), Prompter::OkOnly,
        Prompter::Information);
    accept();
}

void ExportDialog::storeChoices() const
{
    SettingsValues choices;
    choices.emplace_back(QStringLiteral("ExportFile"), *fileName_);
    const QStringList fields = picker_->ordered();
    if (!wholeDatabase() && !fields.isEmpty())
        choices.emplace_back(QStringLiteral("ExportFields"), storedFieldList(fields));
    choices.emplace_back(QStringLiteral("ExportData"), QString::number(topics_->currentIndex()));
    choices.emplace_back(QStringLiteral("ExportDelim"), QString::number(delimiters_->checkedId()));
    choices.emplace_back(
        QStringLiteral("ExportDelimCustom"), storedAsTyped(customDelimiter_->text()));
    choices.emplace_back(QStringLiteral("ExportFormat"),
        wholeDatabase() ? QStringLiteral("0") : QStringLiteral("1"));
    writeSettings(section, choices, context_.installation().settingsFile());
}

bool ExportDialog::writeExport(const QString &path)
{
    Store &store = context_.store();
    // Every field is settled before the file is touched.
    std::optional<TopicExport> topic;
    const int index = topics_->currentIndex();
    if (!wholeDatabase() && index >= 0) {
        std::vector<std::string> captions;
        for (const QString &caption : picker_->ordered())
            captions.push_back(Cp1252::toStdString(caption));
        const auto delimiter = static_cast<ExportDelimiter>(delimiters_->checkedId());
        topic.emplace(store, exportTopics[std::size_t(index)], captions,
            exportDelimiterText(delimiter, Cp1252::toStdString(customDelimiter_->text())),
            context_.preferences().display());
    }

    ExportFile file(path);
    if (!file.open()) {
        prompter().ask(QStringLiteral("File Open Error"),
            QStringLiteral(
                "The filename could not be created.  Please make sure the filename is valid."),
            Prompter::OkOnly, Prompter::Exclamation);
        return false;
    }
    exportedLabel_->show();
    count_->show();
    const ExportProgress progress = [this](std::size_t lines) {
        count_->setText(QString::number(lines));
        count_->repaint();
    };
    if (topic) {
        const std::optional<ListedProfile> profile = context_.currentProfile();
        topic->write(profile ? profile->key : std::string(), file, progress);
    } else if (wholeDatabase()) {
        DatabaseExport(store).write(
            file, Cp1252::toStdString(path), lxpHeaderDate(Clock::current().now()), progress);
    }
    file.commit();
    return true;
}

} // namespace vantorelle
