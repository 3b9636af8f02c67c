#include "history_fixture.h"

#include "support/accessible_names.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <utility>

using namespace vantorelle;

namespace {

using AccessibleNames = HistoryFixture;

} // namespace

TEST_F(AccessibleNames, TheEntryPanelsNameTheirControlsByTheirCaptions)
{
    EXPECT_GT(expectNamedByCaptions(*main), 0u);
    // The sweep reached every panel and every kind of control on them.
    const auto captioned = captionedControls(*main);
    for (const auto &[topic, name] : topicNames) {
        if (topic == Topic::Legal)
            continue; // the Personal panel's
        const TopicPanel &shown = panel(topic);
        EXPECT_TRUE(std::any_of(captioned.begin(), captioned.end(), [&](const auto &c) {
            return shown.isAncestorOf(c.first);
        })) << name;
    }
    for (const char *kind : {"vantorelle::TextBox", "QComboBox", "vantorelle::DateTimePicker"}) {
        EXPECT_TRUE(std::any_of(captioned.begin(), captioned.end(), [&](const auto &c) {
            return c.first->inherits(kind);
        })) << kind;
    }

    editor->panel(Topic::Personal)->clear();
    const std::pair<const char *, const char *> named[] = {
        {"txtAppt(5)", "Reason:"},
        {"dtApptDate1", "Date:"},
        {"dtApptTime1", "Time:"},
        {"cboApptProvider", "Physician:"},
        {"cboApptLocation", "Location:"},
        {"txtAge", "Age:"},
        // The boxes whose caption is the type chosen in the list beside them.
        {"txtMainID(4)", "Home Ph"},
        {"txtMainID(10)", "SSN"},
        // The topic list stands without a caption; it is named still.
        {"lstTopics", "Topics"},
    };
    for (const auto &[name, caption] : named)
        expectNamed(control<QWidget>(name), QString::fromLatin1(caption));
    showTopic(Topic::BloodPressure);
    expectNamed(control<QWidget>("gridViewer"), QStringLiteral("Blood Pressure"));
}

TEST_F(AccessibleNames, ABoxCaptionedByAListIsNamedByTheItemChosen)
{
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    editor->editRecord();
    auto *idType = control<QComboBox>("cboSSNType");
    idType->setFocus();
    const QString before = idType->currentText();
    QTest::keyClick(idType, Qt::Key_Down);
    ASSERT_NE(idType->currentText(), before);
    expectNamed(control<QWidget>("txtMainID(10)"), idType->currentText());
}
