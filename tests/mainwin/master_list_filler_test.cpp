#include "mainwin/master_list_filler.h"

#include "fixture_tables.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

QStringList texts(const QComboBox &combo)
{
    QStringList list;
    for (int i = 0; i < combo.count(); ++i)
        list << combo.itemText(i);
    return list;
}

QStringList texts(const QListWidget &listBox)
{
    QStringList list;
    for (int i = 0; i < listBox.count(); ++i)
        list << listBox.item(i)->text();
    return list;
}

class MasterListFillerTest : public ::testing::Test {
protected:
    MasterListFillerTest()
    {
        kin.setEditable(true);
        filler.add(MasterList::Insurance, &insurance);
        filler.add(MasterList::Contacts, &kin);
        filler.add(MasterList::Contacts, &contacts);
        filler.add(MasterList::Pharmacies, &pharmacy);
        filler.add(MasterList::Providers, &provider);
        filler.add(MasterList::Providers, &provider2);
        filler.add(MasterList::Locations, &location);
    }

    FixtureTables tables;
    QListWidget insurance, contacts;
    QComboBox kin, pharmacy, provider, provider2, location;
    MasterListFiller filler;
};

} // namespace

TEST_F(MasterListFillerTest, FillsEveryListInItsOrderWithTheMasterKeys)
{
    filler.fill(tables.access());

    // Deleted masters are not offered; an empty type still shows its parentheses.
    EXPECT_EQ(texts(insurance), QStringList({"Acme Health (PPO)", "Zeta Mutual ()"}));
    EXPECT_EQ(insurance.item(1)->data(Qt::UserRole).toString(), "zetamutual20080101101010p");
    // By last name, then first; a contact without a first name starts with a blank.
    EXPECT_EQ(texts(contacts), QStringList({"Mary Major", " Solo"}));
    EXPECT_EQ(texts(kin), texts(contacts));
    EXPECT_EQ(kin.itemData(0).toString(), "majormary20080101101010p");
    EXPECT_EQ(texts(pharmacy), QStringList({"Corner Drugs"}));
    EXPECT_EQ(texts(provider), QStringList({"Dr. Who"}));
    EXPECT_EQ(texts(provider2), texts(provider));
    EXPECT_EQ(texts(location), QStringList({"city clinic", "general hospital"}));
    EXPECT_EQ(location.itemData(1).toString(), "general hospital");
}

TEST_F(MasterListFillerTest, LeavesTheMasterTablesInTheListsOrder)
{
    filler.fill(tables.access());
    MemoryTable &companies = tables(TableId::InsID);
    EXPECT_TRUE(companies.eof());
    EXPECT_EQ(companies.sort(), std::vector<std::string>({"Company"}));
    companies.moveFirst();
    for (int i = 0; i < insurance.count(); ++i, companies.moveNext())
        EXPECT_EQ(
            insurance.item(i)->data(Qt::UserRole).toString().toStdString(), companies.value("Key"));
    EXPECT_EQ(tables(TableId::ConID).sort(), std::vector<std::string>({"ConLast", "ConFirst"}));
}

TEST_F(MasterListFillerTest, RefillReplacesEverythingAndSelectsNothing)
{
    kin.addItem("old entry");
    kin.setEditText("typed");
    QSignalSpy changed(&kin, &QComboBox::currentIndexChanged);
    filler.fill(tables.access());
    filler.fill(tables.access());

    EXPECT_EQ(kin.count(), 2);
    EXPECT_EQ(kin.currentIndex(), -1);
    EXPECT_EQ(kin.currentText(), "");
    EXPECT_EQ(provider.currentIndex(), -1);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(MasterListFillerTest, AnEmptyMasterTableLeavesItsListsEmpty)
{
    pharmacy.addItem("stale");
    MemoryTable &pharmacies = tables(TableId::PharmID);
    pharmacies.moveFirst();
    pharmacies.applyDeleteRule();
    filler.fill(tables.access());
    EXPECT_EQ(pharmacy.count(), 0);
}
