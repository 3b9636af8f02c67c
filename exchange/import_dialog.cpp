#include "exchange/import_dialog.h"

#include "context/main_window_context.h"
#include "exchange/field_picker.h"
#include "exchange/import_text.h"
#include "exchange/import_topics.h"
#include "exchange/reading_import.h"
#include "exchange/stored_choice.h"
#include "platform/app_error.h"
#include "platform/file_dialogs.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "settings/error_box_and_logs.h"
#include "settings/error_trap.h"
#include "settings/installation.h"
#include "settings/settings_access.h"
#include "text/cp1252.h"
#include "widgets/accessible_caption.h"
#include "widgets/enter_key.h"
#include "widgets/tab_order.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vantorelle {

namespace {

const QString section = QStringLiteral("Main");
const QString noFile = QStringLiteral("No file selected");
const QString crLf = QStringLiteral("\r\n");
// The count and the window are brought up to date at most this often.
constexpr qint64 repaintMilliseconds = 50;
constexpr std::size_t sampleCharacters = 1000;

template<typename Widget> Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A label that shows a path or a line of a file: a long text is cut at the
// label's edge instead of widening the dialog.
QLabel *fileText(const char *name, QWidget *parent)
{
    QLabel *label = named(new QLabel(noFile, parent), name);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    label->setMinimumWidth(300);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void tell(const char *title, const char *text)
{
    prompter().ask(
        QLatin1String(title), QLatin1String(text), Prompter::OkOnly, Prompter::Exclamation);
}

} // namespace

ImportDialog::ImportDialog(MainWindowContext &context, const QString &profileName, QWidget *parent)
    : QDialog(parent)
    , context_(context)
    , topics_(named(new QComboBox(this), "cboImport"))
    , fileGroup_(new QGroupBox(QStringLiteral("Import File Name"), this))
    , format_(named(new QGroupBox(QStringLiteral("Import File Format"), this), "Frame2"))
    , delimiters_(new QButtonGroup(this))
{
    setWindowTitle(QStringLiteral("Import Data"));

    auto *topicGroup = new QGroupBox(QStringLiteral("Topic Data to Import"), this);
    topics_->setParent(topicGroup);
    auto *topicLayout = new QHBoxLayout(topicGroup);
    topicLayout->addWidget(topics_);
    topicLayout->addWidget(
        named(new QLabel(QStringLiteral("for ") + profileName, topicGroup), "lblDataFor"), 1);

    QPushButton *fileButton
        = named(new QPushButton(QStringLiteral("Select File..."), fileGroup_), "cmdFileName");
    fileLabel_ = fileText("lblFile", fileGroup_);
    sample_ = fileText("lblSample", fileGroup_);
    dateFormats_ = named(new QComboBox(fileGroup_), "cboDateFmt");
    dateFormats_->addItems({QStringLiteral("mm/dd/yyyy"), QStringLiteral("dd/mm/yyyy")});
    auto *dateLabel
        = named(new QLabel(QStringLiteral("Import date format:"), fileGroup_), "lblDateFmt");
    captionControl(*dateLabel, *dateFormats_);
    header_ = named(
        new QCheckBox(QStringLiteral("First row is header information, do not import"), fileGroup_),
        "chkHeader");
    auto *fileLayout = new QGridLayout(fileGroup_);
    fileLayout->addWidget(fileButton, 0, 0, 1, 2, Qt::AlignLeft);
    fileLayout->addWidget(
        named(new QLabel(QStringLiteral("Filename:"), fileGroup_), "txtFileName"), 1, 0);
    fileLayout->addWidget(fileLabel_, 1, 1);
    fileLayout->addWidget(
        named(new QLabel(QStringLiteral("Sample Line:"), fileGroup_), "txtSample"), 2, 0);
    fileLayout->addWidget(sample_, 2, 1);
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(dateFormats_);
    dateRow->addStretch();
    fileLayout->addLayout(dateRow, 3, 0, 1, 2);
    fileLayout->addWidget(header_, 4, 0, 1, 2);
    fileLayout->setColumnStretch(1, 1);

    auto *delimiterRow = new QHBoxLayout;
    delimiterRow->addWidget(
        named(new QLabel(QStringLiteral("Field Delimiter:"), format_), "lblDL"));
    const char *const delimiterNames[] = {"Comma", "Tab"};
    for (int i = 0; i < 2; ++i) {
        auto *option = new QRadioButton(QLatin1String(delimiterNames[i]), format_);
        option->setObjectName(QStringLiteral("optDL(%1)").arg(i));
        delimiters_->addButton(option, i);
        delimiterRow->addWidget(option);
    }
    delimiterRow->addStretch();
    picker_ = new FieldPicker(QStringLiteral("Field Order In File to Import:"), format_);
    auto *formatLayout = new QVBoxLayout(format_);
    formatLayout->addLayout(delimiterRow);
    formatLayout->addWidget(picker_);

    count_ = named(new QLabel(QStringLiteral("none"), this), "lblNum");
    importButton_ = named(new QPushButton(QStringLiteral("&Import"), this), "cmdImport");
    QPushButton *cancelButton
        = named(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel");
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(named(new QLabel(QStringLiteral("Records Imported:"), this), "lblImported"));
    bottom->addWidget(count_);
    bottom->addStretch();
    bottom->addWidget(importButton_);
    bottom->addWidget(cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(topicGroup);
    layout->addWidget(fileGroup_);
    layout->addWidget(format_);
    layout->addLayout(bottom);
    orderTabsByLayout(*this);

    connect(topics_, &QComboBox::currentIndexChanged, this, &ImportDialog::showTopicFields);
    connect(fileButton, &QPushButton::clicked, this, &ImportDialog::chooseFile);
    connect(importButton_, &QPushButton::clicked, this, &ImportDialog::importReadings);
    connect(cancelButton, &QPushButton::clicked, this, &ImportDialog::reject);

    // No button stands ready for Enter (see keyPressEvent).
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    {
        const QSignalBlocker filling(topics_);
        for (const ImportTopic &topic : importTopics)
            topics_->addItem(QString::fromUtf8(topic.entry));
    }
    delimiters_->button(0)->setChecked(true);
    runTrapped(context_.installation(), QStringLiteral("loading the Import Dialog"),
        [this] { restoreChoices(); });
}

void ImportDialog::keyPressEvent(QKeyEvent *event)
{
    // No import starts from a list or a choice.
    if (isEnterKey(*event)) {
        clickFocusedButton(*this);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ImportDialog::reject()
{
    if (running_) {
        stopAsked_ = true;
        return;
    }
    QDialog::reject();
}

void ImportDialog::closeEvent(QCloseEvent *event)
{
    if (running_) {
        stopAsked_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ImportDialog::restoreChoices()
{
    const QString settings = context_.installation().settingsFile();
    const auto stored = [&](const char *key, const QString &defaultValue) {
        return readSetting(section, QLatin1String(key), defaultValue, settings);
    };
    {
        const QSignalBlocker choosing(topics_);
        topics_->setCurrentIndex(
            storedChoice(stored("ImportData", QStringLiteral("0")), -1, int(importTopicCount) - 1));
    }
    showTopicFields();
    dateFormats_->setCurrentIndex(storedChoice(stored("ImportDateFmt", QStringLiteral("0")), 0, 1));
    delimiters_->button(storedChoice(stored("ImportDelim", QStringLiteral("0")), 0, 1))
        ->setChecked(true);
    if (const QString file = stored("ImportFile", QString()); !file.isEmpty())
        showFile(file);
    // Kept as stored, each entry a column of the file: an entry that names no
    // field of the topic skips its column.
    picker_->appendOrdered(storedFields(stored("ImportFields", QString())));
    header_->setChecked(storedChoice(stored("ImportHeaderRow", QStringLiteral("0")), 0, 1) == 1);
}

void ImportDialog::showTopicFields()
{
    QStringList entries {QString::fromUtf8(ignoredColumn)};
    const int index = topics_->currentIndex();
    if (index >= 0) {
        const FieldTable &fields = *importTopics[std::size_t(index)].fields;
        for (int row = 1; row <= fields.visibleCount; ++row)
            entries << QString::fromUtf8(fields.row(row).caption);
    }
    picker_->setAvailable(entries, 1);
}

void ImportDialog::chooseFile()
{
    QString folder = paths().documentsFolder();
    if (fileName_)
        folder = QFileInfo(*fileName_).absolutePath();
    const std::optional<QString> chosen = fileDialogs().openFile(QStringLiteral("File to Import"),
        QStringLiteral("Delimited Text (*.CSV; *.TXT)|*.csv; *.txt|All files (*.*)|*.*"), folder);
    // Cancelling keeps the file chosen before.
    if (!chosen)
        return;
    if (!QFileInfo(*chosen).isFile()) {
        tell("Bad File Selection", "A valid file has not been selected");
        fileName_.reset();
        fileLabel_->setText(noFile);
        fileLabel_->setToolTip(QString());
        sample_->setText(noFile);
        return;
    }
    showFile(*chosen);
}

void ImportDialog::showFile(const QString &path)
{
    fileName_ = path;
    fileLabel_->setText(path);
    fileLabel_->setToolTip(path);
    std::string bytes;
    std::string firstLine;
    if (readImportFile(path, bytes)) {
        ImportText text(bytes);
        std::string_view line;
        text.nextLine(line);
        // The label shows one line's width: a file without line breaks must
        // not hand it megabytes.
        firstLine = line.substr(0, sampleCharacters);
    }
    sample_->setText(Cp1252::toUnicode(firstLine));
    sample_->setToolTip(sample_->text());
}

bool ImportDialog::validChoices()
{
    if (!fileName_ || !QFileInfo(*fileName_).isFile()) {
        tell("Bad File Selection", "A valid file has not been selected");
        return false;
    }
    const QStringList columns = picker_->ordered();
    if (columns.isEmpty()) {
        tell("No Fields Selected", "A list of fields has not been selected");
        return false;
    }
    if (!columns.contains(QStringLiteral("Date"))) {
        tell("Required Field",
            "The Date field must be one of the fields imported.  Please check the fields to be "
            "imported and try again.");
        return false;
    }
    return true;
}

void ImportDialog::storeChoices() const
{
    writeSettings(section,
        {
            {QStringLiteral("ImportFile"), *fileName_},
            {QStringLiteral("ImportFields"), storedFieldList(picker_->ordered())},
            {QStringLiteral("ImportHeaderRow"),
                header_->isChecked() ? QStringLiteral("1") : QStringLiteral("0")},
            {QStringLiteral("ImportData"), QString::number(topics_->currentIndex())},
            {QStringLiteral("ImportDateFmt"), QString::number(dateFormats_->currentIndex())},
            {QStringLiteral("ImportDelim"), QString::number(delimiters_->checkedId())},
        },
        context_.installation().settingsFile());
}

std::optional<ReadingImportChoices> ImportDialog::takeChoices()
{
    ReadingImportChoices choices;
    choices.topic = &importTopics[std::size_t(topics_->currentIndex())];
    for (const QString &column : picker_->ordered())
        choices.columns.push_back(Cp1252::toStdString(column));
    choices.delimiter
        = delimiters_->checkedId() == 1 ? ImportDelimiter::Tab : ImportDelimiter::Comma;
    choices.dateOrder = dateFormats_->currentIndex() == 1 ? ImportDateOrder::DayMonthYear
                                                          : ImportDateOrder::MonthDayYear;
    if (choices.topic->asksUnits) {
        const int answer = prompter().ask(QStringLiteral("Glucose Units"),
            QStringLiteral("Are the glucose units in mg/dL?") + crLf + crLf
                + QStringLiteral("Select No for units of mmol/L."),
            Prompter::YesNo);
        if (answer != Prompter::Yes && answer != Prompter::No)
            return std::nullopt;
        choices.units = answer == Prompter::No ? "mmol/L" : "mg/dL";
    }
    return choices;
}

void ImportDialog::importReadings()
{
    const std::optional<ListedProfile> profile = context_.currentProfile();
    if (!validChoices() || !profile || topics_->currentIndex() < 0)
        return;
    setRunning(true);
    storeChoices();
    std::optional<ImportedLines> imported; // none when the run was stopped
    const Topic topic = importTopics[std::size_t(topics_->currentIndex())].topic;
    runTrapped(context_.installation(), QStringLiteral("importing data"), [&] {
        std::optional<ReadingImportChoices> choices = takeChoices();
        if (!choices)
            return;
        std::string bytes;
        if (!readImportFile(*fileName_, bytes))
            throw AppError(AppError::PathFileAccessError).aboutFile(*fileName_);
        ImportText text(bytes);
        std::size_t linesRead = 0;
        if (header_->isChecked()) {
            std::string_view header;
            linesRead += text.nextLine(header) ? 1 : 0;
        }
        imported = addLines(text, linesRead, std::move(*choices), profile->key);
    });
    setRunning(false);
    if (!isVisible())
        return; // the program is closing
    context_.selectTopic(topic);
    if (!imported) {
        QDialog::reject();
        return;
    }
    prompter().ask(QStringLiteral("Import"), completeMessage(*imported), Prompter::OkOnly,
        Prompter::Information);
    accept();
}

QString ImportDialog::completeMessage(const ImportedLines &lines)
{
    QStringList sentences;
    if (lines.refused > 0) {
        sentences << (lines.refused == 1
                ? QStringLiteral("1 line could not be imported.")
                : QStringLiteral("%1 lines could not be imported.").arg(lines.refused));
    }
    if (lines.replaced > 0) {
        const QString held = QStringLiteral(
            "held characters that could not be stored as they were; \"?\" was stored in their "
            "place.");
        sentences << (lines.replaced == 1
                ? QStringLiteral("1 line %1 It is line %2.").arg(held).arg(lines.firstReplaced)
                : QStringLiteral("%1 lines %2 The first is line %3.")
                      .arg(lines.replaced)
                      .arg(held)
                      .arg(lines.firstReplaced));
    }
    QString complete = QStringLiteral("Import Complete");
    if (!sentences.isEmpty())
        complete += crLf + crLf + sentences.join(crLf);
    return complete;
}

std::optional<ImportDialog::ImportedLines> ImportDialog::addLines(ImportText &text,
    std::size_t linesRead, ReadingImportChoices choices, const std::string &profileKey)
{
    ReadingImport readings(context_.store(), std::move(choices), profileKey);
    QElapsedTimer sinceShown;
    std::size_t lineNumber = linesRead;
    ImportedLines lines;
    std::string_view line;
    while (text.nextLine(line)) {
        ++lineNumber;
        const ReadingImport::LineResult result = readings.addLine(line, text.replacedIn(line));
        if (result == ReadingImport::LineResult::AddedWithReplacements && lines.replaced++ == 0)
            lines.firstReplaced = lineNumber;
        // Only the first refusal is shown: a box per line would hold the user
        // in boxes for as many lines as the file has, with Cancel out of reach.
        if (result == ReadingImport::LineResult::Refused && lines.refused++ == 0) {
            showError(context_.installation(),
                AppError(AppError::TypeMismatch,
                    QStringLiteral("Line %1: ").arg(lineNumber)
                        + Cp1252::toUnicode(readings.refusal())),
                QStringLiteral("adding during import"),
                QStringLiteral("Any other line that cannot be imported is passed over too; "
                               "their number is given at the end."));
        }
        if (!sinceShown.isValid() || sinceShown.elapsed() >= repaintMilliseconds) {
            showCount(readings.added());
            QCoreApplication::processEvents();
            sinceShown.start();
        }
        // Only the user's Stop ends a run early: a close asked for meanwhile
        // waits until the file is imported whole.
        if (stopAsked_) {
            readings.finish();
            showCount(readings.added());
            return std::nullopt;
        }
    }
    readings.finish();
    showCount(readings.added());
    return lines;
}

void ImportDialog::setRunning(bool running)
{
    running_ = running;
    stopAsked_ = false;
    const std::initializer_list<QWidget *> inputs = {topics_, fileGroup_, format_, importButton_};
    for (QWidget *input : inputs)
        input->setEnabled(!running);
}

void ImportDialog::showCount(std::size_t count)
{
    count_->setText(count == 0 ? QStringLiteral("none") : QString::number(count));
}

} // namespace vantorelle
