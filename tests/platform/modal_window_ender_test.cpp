#include <gtest/gtest.h>

#include "platform/modal_window_ender.h"
#include "platform/prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

using namespace vantorelle;

// A question open when the ender starts ends unanswered, and so does one
// asked while it runs, at once; a dialog is rejected. Once it stops, a box
// waits for its answer again.
TEST(ModalWindowEnder, EndsTheQuestionsOpenAndToComeUntilItStops)
{
    ModalWindowEnder ender;
    QTimer::singleShot(0, [&] {
        ender.start();
        EXPECT_TRUE(ender.running());
    });
    const int open = prompter().ask(QStringLiteral("Confirm Delete"), QStringLiteral("Sure?"),
        Prompter::YesNo, Prompter::Question);
    const int later = prompter().ask(QStringLiteral("File Exists"), QStringLiteral("Overwrite?"),
        Prompter::YesNo, Prompter::Question);
    QDialog dialog;
    const int dialogResult = dialog.exec();

    EXPECT_EQ(open, Prompter::Unanswered);
    EXPECT_EQ(later, Prompter::Unanswered);
    EXPECT_EQ(dialogResult, QDialog::Rejected);

    ender.stop();
    QTimer::singleShot(0, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_EQ(prompter().ask(QStringLiteral("Question"), QStringLiteral("Sure?"), Prompter::YesNo),
        Prompter::Yes);
}
