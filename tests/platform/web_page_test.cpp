#include <gtest/gtest.h>

#include "platform/web_page.h"
#include "support/fake_browser.h"
#include "support/fake_prompter.h"

using namespace vantorelle;

namespace {

const QString title = QStringLiteral("Vantorelle Rize");

} // namespace

TEST(OpenWebPage, OpensTheAddressInTheBrowser)
{
    FakePrompter prompter;
    FakeBrowser browser;
    openWebPage(QStringLiteral("https://www.brasselwicket.com/vantorelle/download.html"), title);
    openWebPage(QStringLiteral("www.brasselwicket.com/vantorelle/"), title);
    ASSERT_EQ(browser.opened.size(), 2);
    EXPECT_EQ(browser.opened[0],
        QUrl(QStringLiteral("https://www.brasselwicket.com/vantorelle/download.html")));
    EXPECT_EQ(browser.opened[1], QUrl(QStringLiteral("http://www.brasselwicket.com/vantorelle/")));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST(OpenWebPage, AnAddressThatCannotBeOpenedIsReported)
{
    FakePrompter prompter;
    FakeBrowser browser;
    openWebPage(QString(), title);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, title);
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Web Page not Opened"));
    EXPECT_TRUE(browser.opened.isEmpty());
}
