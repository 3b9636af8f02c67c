#include "views_fixture.h"

#include "store/store.h"

using namespace vantorelle;

namespace {

using MasterListsTest = ViewsFixture;

} // namespace

TEST_F(MasterListsTest, RegisteredControlsAreRefilledFromTheMasterTables)
{
    ASSERT_TRUE(startOn());
    QComboBox provider;
    QListWidget insurance;
    main->registerMasterList(MasterList::Providers, &provider);
    main->registerMasterList(MasterList::Insurance, &insurance);
    main->fillMasterLists();
    ASSERT_EQ(provider.count(), 1);
    EXPECT_EQ(provider.itemText(0), "Dr. Who");
    EXPECT_EQ(provider.itemData(0).toString(), "drwho20080101101010p");
    ASSERT_EQ(insurance.count(), 2);

    // A provider added to the master list shows after the next fill.
    MemoryTable &providers = table(TableId::ProvID);
    providers.addNew();
    providers.setValue("REC_ID", "0x00000000");
    providers.setValue("STATUS", "0x0008");
    providers.setValue("Key", "dradams20260307090500p");
    providers.setValue("Name", "Dr. Adams");
    providers.update();
    main->fillMasterLists();
    ASSERT_EQ(provider.count(), 2);
    EXPECT_EQ(provider.itemText(0), "Dr. Adams");
    EXPECT_EQ(provider.currentIndex(), -1);
}
