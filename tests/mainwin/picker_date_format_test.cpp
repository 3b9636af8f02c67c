#include "dialogs/preferences_dialog.h"
#include "settings/picker_date_format.h"
#include "startup_fixture.h"
#include "store/store.h"
#include "support/find_control.h"
#include "widgets/date_time_picker.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace vantorelle;

namespace {

std::string shown(DateTimePicker &picker)
{
    return picker.findChild<QLineEdit *>()->text().toStdString();
}

// A date picker and a time picker holding a value, outside any window.
struct Pickers {
    Pickers()
    {
        date.setStoredText("20240305");
        time.setStoredText("08:30");
    }
    DateTimePicker date {DateTimePicker::Mode::Date};
    DateTimePicker time {DateTimePicker::Mode::Time};
};

} // namespace

TEST(PickerDateFormat, FollowsTheDatePreference)
{
    const struct {
        const char *format, *separator, *shown;
    } cases[] = {
        {"mmddyyyy", "/", "03/05/2024"},
        {"ddmmyyyy", ".", "05.03.2024"},
        {"yyyymmdd", "-", "2024-03-05"},
        {"DDMMYYYY", "/", "03/05/2024"}, // an unknown word shows month, day, year
        {"ddmmyyyy", " \xB7 ", "05 \xC2\xB7 03 \xC2\xB7 2024"}, // a cp1252 separator of its own
        {"ddmmyyyy", "", "05032024"},
    };
    Pickers pickers;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format + std::string(" ") + c.separator);
        DisplayPreferences preferences;
        preferences.dateFormat = dateFormatFromText(c.format);
        preferences.dateSeparator = c.separator;
        applyDatePreferenceToPickers(preferences);
        EXPECT_EQ(shown(pickers.date), c.shown);
        EXPECT_EQ(pickers.date.storedText(), "20240305");
        EXPECT_EQ(shown(pickers.time), "8:30 AM");
    }
}

TEST_F(StartupFixture, PickersShowDatesByThePreferencesReadAtStartUp)
{
    const QString folder = dataFolderWithProfile();
    {
        Store store(QFile::encodeName(folder).toStdString());
        store.load();
        store.setPreference("date_format", "", "yyyymmdd");
        store.setPreference("date_sep", "", "-");
        ASSERT_TRUE(store.writeTables().empty());
    }
    Pickers pickers;
    ASSERT_TRUE(start());
    EXPECT_EQ(shown(pickers.date), "2024-03-05");
}

TEST_F(StartupFixture, PickersFollowAChangeOfThePreferencesAtOnce)
{
    dataFolderWithProfile();
    ASSERT_TRUE(start());
    Pickers pickers;
    pickers.date.setDateFormat(DateTimePicker::DateOrder::MonthDayYear, "/");

    // The preferences dialog is modal: answered from inside its own event loop.
    const auto answer = [](bool save) {
        QTimer::singleShot(0, [save] {
            auto *dialog = qobject_cast<PreferencesDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            findControl<QComboBox>(*dialog, "cboDateFmt")->setCurrentText("ddmmyyyy");
            findControl<QComboBox>(*dialog, "cboDateSep")->setCurrentText(".");
            findControl<QPushButton>(*dialog, save ? "cmdSave" : "cmdCancel")->click();
        });
    };
    answer(false);
    control<QAction>("mnuPrefs")->trigger();
    EXPECT_EQ(shown(pickers.date), "03/05/2024");

    answer(true);
    control<QAction>("mnuPrefs")->trigger();
    EXPECT_EQ(shown(pickers.date), "05.03.2024");
}
