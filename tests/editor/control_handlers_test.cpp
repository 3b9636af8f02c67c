#include "editor_fixture.h"

#include "editor/topic_panel.h"
#include "store/topics.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <functional>
#include <vector>

using namespace vantorelle;

namespace {

const QString bpStored = QStringLiteral("20090305070809p79759684916920240315083100p");

using ControlHandlersTest = EditorFixture;

bool hasFocus(const QWidget *control)
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == control || control->isAncestorOf(focus));
}

// The type-ahead of a free-text combo box, key by key: what it shows, and the
// completed tail selected for the next key to replace.
struct TypeAheadStep {
    const char *keys; // typed; "\b" is Backspace, "\x7f" Delete
    const char *text;
    const char *selected;
};

const TypeAheadStep typeAheadSteps[] = {
    {"h", "HepB", "epB"}, // the first item that begins so, in its letter case
    {"i", "Hib", "b"}, // the key replaced the tail, and the search ran again
    {"\b", "Hi", ""}, // Backspace takes the tail and completes nothing
    {"\b", "H", ""}, // nor when it takes a typed character
    {"e", "HepB", "pB"}, // the next key completes again
    {"p", "HepB", "B"}, // one character left to complete
    {"a", "Hepa", ""}, // as long as the item found: left as typed
    {"x", "Hepax", ""}, // no item begins so: left as typed
    {"\x7f", "Hepax", ""}, // Delete at the end changes nothing and completes nothing
};

void typeInto(QComboBox *combo, const char *keys)
{
    for (const char *key = keys; *key; ++key) {
        if (*key == '\b')
            QTest::keyClick(combo, Qt::Key_Backspace);
        else if (*key == '\x7f')
            QTest::keyClick(combo, Qt::Key_Delete);
        else
            QTest::keyClick(combo, *key);
    }
}

// The vaccination names: DTaP, Td, Flu, HepB, HepA, Hib, MMR, IPV, ...
TEST_F(ControlHandlersTest, TypeAheadCompletesTypingFromTheList)
{
    showTopic(Topic::Vaccinations);
    editor->addRecord();
    QComboBox *combo = control<QComboBox>("cboVaccination");
    QLineEdit *edit = combo->lineEdit();
    for (const TypeAheadStep &step : typeAheadSteps) {
        SCOPED_TRACE(step.keys);
        typeInto(combo, step.keys);
        EXPECT_EQ(edit->text(), QString::fromLatin1(step.text));
        EXPECT_EQ(edit->selectedText(), QString::fromLatin1(step.selected));
    }

    // A whole item pasted in another letter case stays as pasted.
    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("mmr"));
    QTest::keyClick(combo, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QStringLiteral("mmr"));

    // What the program sets is never completed: a stored "Fl" is shown as stored.
    combo->setEditText(QStringLiteral("Fl"));
    EXPECT_EQ(edit->text(), QStringLiteral("Fl"));
    EXPECT_EQ(edit->selectedText(), QString());
}

// Only the capped free-text combos complete; the family relation and side
// take what is typed as it is.
struct CompletionCase {
    Topic topic;
    const char *combo;
    const char *keys;
    const char *shown;
};

const CompletionCase completionCases[] = {
    {Topic::BloodPressure, "cboBPActivity", "m", "Moderate"},
    {Topic::Glucose, "cboGlucoseEvent", "pre-l", "Pre-Lunch"},
    {Topic::FamilyHistory, "cboFamilyRelation", "gr", "gr"},
    {Topic::FamilyHistory, "cboFamilySide", "m", "m"},
};

TEST_F(ControlHandlersTest, OnlyCappedCombosCompleteTyping)
{
    for (const CompletionCase &test : completionCases) {
        QComboBox *combo = control<QComboBox>(test.combo);
        SCOPED_TRACE(combo->objectName().toStdString());
        showTopic(test.topic);
        editor->addRecord();
        typeInto(combo, test.keys);
        EXPECT_EQ(combo->currentText(), QString::fromLatin1(test.shown));
        editor->cancelEditing();
    }
}

TEST_F(ControlHandlersTest, FreeTextComboStopsTypingAtItsFieldSize)
{
    showTopic(Topic::Vaccinations);
    editor->addRecord();
    typeInto(control<QComboBox>("cboVaccination"),
        QByteArray(120, 'z').constData()); // no item begins so
    EXPECT_EQ(control<QComboBox>("cboVaccination")->currentText(), QString(100, u'z'));
}

// Coming into a free-text combo selects nothing: a key adds to the text.
TEST_F(ControlHandlersTest, FreeTextComboTakesTheFocusWithNothingSelected)
{
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(bpStored));
    editor->editRecord();
    control<DateTimePicker>("dtBPTime")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(hasFocus(control<QComboBox>("cboBPActivity")));
    EXPECT_EQ(control<QComboBox>("cboBPActivity")->lineEdit()->selectedText(), QString());
    QTest::keyClick(control<QComboBox>("cboBPActivity"), 'y');
    EXPECT_EQ(control<QComboBox>("cboBPActivity")->currentText(), QStringLiteral("Resty"));
}

// Edit mode, by the kind of control changed: a text box only by a real change
// of a stored record, combo boxes and pickers by any change; nothing while
// edits are not tracked.
struct EditModeCase {
    const char *name;
    Topic topic;
    bool storedRecord; // a stored record shown, else a new one
    bool trackEdits;
    std::function<void(const QWidget &main)> change; // finds the control in the main window
    bool switches;
};

void typeLastCharacterAgain(TextBox *box)
{
    auto *edit = qobject_cast<QLineEdit *>(box->editor());
    const QString text = edit->text();
    edit->setSelection(int(text.size()) - 1, 1);
    QTest::keyClick(edit, text.back().toLatin1());
}

void capitaliseNotes(TextBox *box)
{
    auto *notes = qobject_cast<QPlainTextEdit *>(box->editor());
    QTextCursor cursor = notes->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(1, QTextCursor::KeepAnchor);
    notes->setTextCursor(cursor);
    QTest::keyClick(notes, 'A');
}

const EditModeCase editModeCases[] = {
    {"text typed into a stored record", Topic::BloodPressure, true, true,
        [](const QWidget &w) {
            QTest::keyClick(findControl<TextBox>(w, "txtBP(1)")->editor(), '5');
        },
        true},
    {"text retyped as stored", Topic::BloodPressure, true, true,
        [](const QWidget &w) { typeLastCharacterAgain(findControl<TextBox>(w, "txtBP(1)")); },
        false},
    {"one letter's case changed", Topic::BloodPressure, true, true,
        [](const QWidget &w) { capitaliseNotes(findControl<TextBox>(w, "txtBP(7)")); }, true},
    {"text typed into a new record", Topic::BloodPressure, false, true,
        [](const QWidget &w) {
            QTest::keyClick(findControl<TextBox>(w, "txtBP(1)")->editor(), '5');
        },
        false},
    {"free-text combo typed into", Topic::BloodPressure, false, true,
        [](const QWidget &w) { QTest::keyClick(findControl<QComboBox>(w, "cboBPActivity"), 'q'); },
        true},
    {"list chosen", Topic::Glucose, false, true,
        [](const QWidget &w) { findControl<QComboBox>(w, "cboGlucoseUnits")->setCurrentIndex(1); },
        true},
    {"date changed", Topic::BloodPressure, false, true,
        [](const QWidget &w) {
            findControl<DateTimePicker>(w, "dtBPDate")->setStoredText(QStringLiteral("20240101"));
        },
        true},
    {"time changed", Topic::Weight, true, true,
        [](const QWidget &w) {
            findControl<DateTimePicker>(w, "dtWtTime")->setStoredText(QStringLiteral("11:11"));
        },
        true},
    {"text typed while edits are not tracked", Topic::BloodPressure, true, false,
        [](const QWidget &w) {
            QTest::keyClick(findControl<TextBox>(w, "txtBP(1)")->editor(), '5');
        },
        false},
    {"date changed while edits are not tracked", Topic::BloodPressure, false, false,
        [](const QWidget &w) {
            findControl<DateTimePicker>(w, "dtBPDate")->setStoredText(QStringLiteral("20240101"));
        },
        false},
};

TEST_F(ControlHandlersTest, ChangesSwitchToEditModeByControlKind)
{
    for (const EditModeCase &c : editModeCases) {
        SCOPED_TRACE(c.name);
        showTopic(c.topic);
        if (c.storedRecord)
            editor->editRecord();
        else
            editor->addRecord();
        // The panel stays in view in normal mode, so that a switch shows.
        main->editState().setMode(EditMode::Normal);
        TopicPanel *panel = editor->panel(c.topic);
        panel->show();
        ASSERT_FALSE(editing());
        main->editState().setTracking(c.trackEdits);
        c.change(*main);
        EXPECT_EQ(editing(), c.switches);
        main->editState().setTracking(true);
        editor->cancelEditing();
    }
}

// Showing a record sets every control, with edits tracked: none of that is
// the user's change.
TEST_F(ControlHandlersTest, ShowingARecordSwitchesNothing)
{
    showTopic(Topic::BloodPressure);
    ASSERT_TRUE(selectRecord(bpStored));
    main->showListedRecord();
    ASSERT_TRUE(main->editState().tracking());
    editor->showPanel(Topic::BloodPressure);
    editor->clearPanel(Topic::BloodPressure);
    EXPECT_FALSE(editing());
}

} // namespace
