#include "reports/graph_window.h"

#include "context/no_profile.h"
#include "platform/app_error.h"
#include "platform/file_dialogs.h"
#include "platform/paths.h"
#include "platform/print_dialogs.h"
#include "platform/printed_file.h"
#include "platform/prompter.h"
#include "reports/quick_date_range.h"
#include "reports/reading_graph.h"
#include "reports/settings_date.h"
#include "reports/settings_number.h"
#include "settings/error_box_and_logs.h"
#include "settings/installation.h"
#include "settings/picker_date_format.h"
#include "settings/preferences.h"
#include "settings/settings_access.h"
#include "widgets/accessible_caption.h"
#include "widgets/enter_key.h"
#include "widgets/graph_view.h"
#include "widgets/tab_order.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <utility>

namespace vantorelle {

namespace {

const QSize gifSize(1200, 800);

QPushButton *commandButton(const char *caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

GraphWindow::GraphWindow(MainWindowContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , context_(context)
    , topicBox_(new QComboBox(this))
    , rangeBox_(new QComboBox(this))
    , startPicker_(new DateTimePicker(DateTimePicker::Mode::Date, this))
    , endPicker_(new DateTimePicker(DateTimePicker::Mode::Date, this))
    , graph_(new GraphView(this))
{
    setWindowTitle(QStringLiteral("Data Graph"));
    topicBox_->setObjectName(QStringLiteral("lstTopics"));
    for (int topic = 0; topic < graphTopicCount; ++topic)
        topicBox_->addItem(graphTopicName(static_cast<GraphTopic>(topic)));
    rangeBox_->setObjectName(QStringLiteral("cboRange"));
    for (int range = 0; range < quickDateRangeCount; ++range)
        rangeBox_->addItem(quickDateRangeName(static_cast<QuickDateRange>(range)));
    // Shown while no quick range is chosen, which is how the window opens.
    rangeBox_->setPlaceholderText(QStringLiteral("Custom Dates"));
    rangeBox_->setCurrentIndex(-1);
    startPicker_->setObjectName(QStringLiteral("DTGraphStart"));
    endPicker_->setObjectName(QStringLiteral("DTGraphEnd"));
    for (DateTimePicker *picker : {startPicker_, endPicker_})
        applyDatePreference(*picker, context_.preferences().display());
    graph_->setObjectName(QStringLiteral("flpGraph"));
    graph_->setMinimumSize(480, 320);

    auto *options = new QGroupBox(QStringLiteral("Graph Options"), this);
    auto *optionLayout = new QGridLayout(options);
    const std::pair<const char *, QWidget *> optionRows[] = {{"Topic:", topicBox_},
        {"Quick Date Ranges:", rangeBox_}, {"From", startPicker_}, {"to", endPicker_}};
    int row = 0;
    for (const auto &[text, control] : optionRows) {
        auto *caption = new QLabel(QLatin1String(text), options);
        optionLayout->addWidget(caption, row, 0);
        optionLayout->addWidget(control, row++, 1);
        captionControl(*caption, *control);
    }

    auto *drawButton = commandButton("Draw Graph", "cmdGraph", this);
    auto *printButton = commandButton("&Print", "cmdPrint", this);
    auto *saveButton = commandButton("&Save", "cmdSave", this);
    auto *closeButton = commandButton("&Close", "cmdClose", this);

    auto *side = new QVBoxLayout;
    side->addWidget(options);
    side->addWidget(drawButton);
    side->addStretch();
    side->addWidget(printButton);
    side->addWidget(saveButton);
    side->addWidget(closeButton);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(graph_, 1);
    orderTabsByLayout(*this);

    connect(rangeBox_, &QComboBox::activated, this, &GraphWindow::chooseQuickRange);
    for (DateTimePicker *picker : {startPicker_, endPicker_}) {
        connect(picker, &DateTimePicker::changed, this, [this] {
            if (!settingDays_)
                rangeBox_->setCurrentIndex(-1);
        });
    }
    connect(drawButton, &QPushButton::clicked, this, &GraphWindow::draw);
    connect(printButton, &QPushButton::clicked, this, &GraphWindow::print);
    connect(saveButton, &QPushButton::clicked, this, &GraphWindow::save);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    // In the middle of the screen, all of it in sight.
    resize(1000, 640);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        resize(size().boundedTo(room.size() * 9 / 10));
        move(room.center() - rect().center());
    }
    showStoredChoices();
}

void GraphWindow::keyPressEvent(QKeyEvent *event)
{
    // Nothing here is lost by closing: Escape closes, as it closes a dialog.
    if (event->matches(QKeySequence::Cancel)) {
        close();
        event->accept();
        return;
    }
    if (!isEnterKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A window of its own has no default button: Enter after a day typed or a
    // topic chosen draws, Enter on a button presses that button.
    if (!clickFocusedButton(*this))
        draw();
    event->accept();
}

void GraphWindow::showStoredChoices()
{
    const QString settingsFile = context_.installation().settingsFile();
    const QDate now = today();
    setDays(settingsDateOr(settingsFile, QStringLiteral("GraphDateStart"), now),
        settingsDateOr(settingsFile, QStringLiteral("GraphDateEnd"), now));
    topicBox_->setCurrentIndex(
        settingsChoice(settingsFile, QStringLiteral("GraphTopic"), 0, graphTopicCount - 1));
}

void GraphWindow::setDays(QDate first, QDate last)
{
    settingDays_ = true;
    startPicker_->setDate(first);
    endPicker_->setDate(last);
    settingDays_ = false;
}

void GraphWindow::chooseQuickRange(int index)
{
    const QDate now = today();
    setDays(quickDateRangeStart(static_cast<QuickDateRange>(index), now), now);
}

void GraphWindow::draw()
{
    // The window stays open beside the main one, where the last profile may
    // have been deleted since.
    const std::optional<ListedProfile> profile = context_.currentProfile();
    if (!profile) {
        tellNoProfileYet(QStringLiteral("Unable to Graph Data"));
        return;
    }
    const QDate first = startPicker_->date();
    const QDate last = endPicker_->date();
    writeSettings(QStringLiteral("Main"),
        {{QStringLiteral("GraphDateStart"), settingsDateText(first)},
            {QStringLiteral("GraphDateEnd"), settingsDateText(last)},
            {QStringLiteral("GraphTopic"), QString::number(topicBox_->currentIndex())}},
        context_.installation().settingsFile());
    graph_->setModel(readingGraph(context_.store(), profile->key,
        static_cast<GraphTopic>(topicBox_->currentIndex()), first, last,
        context_.preferences().display()));
}

void GraphWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!printDialogs().print(printer, 1, this))
        return;
    try {
        printWhole(printer, [&] {
            graph_->print(printer);
            return true;
        });
    } catch (const AppError &error) {
        showError(context_.installation(), error, QStringLiteral("printing the graph"));
    }
}

void GraphWindow::save()
{
    const std::optional<QString> path = fileDialogs().saveFile(
        QStringLiteral("Save Graph to File (GIF)"),
        QStringLiteral("GIF Image (*.gif)|*.gif|All files (*.*)|*.*"), paths().documentsFolder());
    if (!path)
        return;
    if (path->right(3).compare(QLatin1String("gif"), Qt::CaseInsensitive) != 0) {
        prompter().ask(QStringLiteral("File Format Error"),
            QStringLiteral("The file format must be an GIF file, so the filename must have an "
                           "extension of .gif."));
        return;
    }
    try {
        graph_->saveGif(*path, gifSize);
    } catch (const AppError &error) {
        showError(context_.installation(), error, QStringLiteral("saving the graph"));
    }
}

} // namespace vantorelle
