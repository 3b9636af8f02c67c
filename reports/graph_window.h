#pragma once

#include "context/main_window_context.h"
#include "widgets/date_time_picker.h"

#include <QWidget>

class QComboBox;
class QKeyEvent;

namespace vantorelle {

class GraphView;

// "Data Graph": the readings of one topic (blood pressure, weight,
// cholesterol or glucose) that the profile the main window shows took over a
// range of days, drawn against time. A window of its own beside the main
// window: the user goes on working there, and Draw Graph reads the profile
// shown at that moment. It opens on the topic and days the settings file keeps
// (a value out of range or unreadable gives today, or the first topic), and
// Draw Graph stores them again. A quick date range sets both days, ending
// today; changing a day by hand shows "Custom Dates". Print prints the graph;
// Save writes it as a GIF image of 1200 by 800 pixels. Enter draws, as a
// dialog's default button would, unless a button has the focus; Escape closes.
//
// The controls are "lstTopics", "cboRange", the date pickers "DTGraphStart"
// and "DTGraphEnd", the graph "flpGraph" and the buttons "cmdGraph" (Draw
// Graph), "cmdPrint", "cmdSave" and "cmdClose".
class GraphWindow : public QWidget {
    Q_OBJECT
public:
    explicit GraphWindow(MainWindowContext &context, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showStoredChoices();
    void chooseQuickRange(int index);
    // Both days as the program sets them: no "Custom Dates".
    void setDays(QDate first, QDate last);
    void draw();
    void print();
    void save();

    MainWindowContext &context_;
    QComboBox *topicBox_;
    QComboBox *rangeBox_;
    DateTimePicker *startPicker_;
    DateTimePicker *endPicker_;
    GraphView *graph_;
    bool settingDays_ = false;
};

} // namespace vantorelle
