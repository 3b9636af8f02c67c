#include <gtest/gtest.h>

#include "platform/file_dialogs.h"

using namespace vantorelle;

TEST(FileDialogs, FiltersAreTranslatedForQt)
{
    struct Case {
        const char *filter, *qt;
    };
    const Case cases[] = {
        {"Rich Text (*.RTF)|*.rtf|All files (*.*)|*.*",
            "Rich Text (*.RTF) (*.rtf);;All files (*.*) (*.*)"},
        {"Delimited Text (*.CSV; *.TXT)|*.csv; *.txt|All files (*.*)|*.*",
            "Delimited Text (*.CSV; *.TXT) (*.csv *.txt);;All files (*.*) (*.*)"},
        {"Text Files(*.txt,*.csv,*.lxp)|*.txt;*.csv;*.lxp",
            "Text Files(*.txt,*.csv,*.lxp) (*.txt *.csv *.lxp)"},
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(qtNameFilters(QString::fromLatin1(c.filter)), QString::fromLatin1(c.qt))
            << c.filter;
}
