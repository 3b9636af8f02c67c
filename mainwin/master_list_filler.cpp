#include "mainwin/master_list_filler.h"

#include "store/listing_order.h"
#include "text/cp1252.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

#include <array>
#include <string>
#include <string_view>

namespace vantorelle {

namespace {

// One master list: its table (sorted in its listing order) and its item text:
// first [+ separator + second + suffix].
struct MasterListSource {
    MasterList list;
    TableId table;
    std::string_view first;
    std::string_view separator = {};
    std::string_view second = {};
    std::string_view suffix = {};
};

const std::array<MasterListSource, 5> &sources()
{
    static const std::array<MasterListSource, 5> lists = {{
        {MasterList::Insurance, TableId::InsID, "Company", " (", "Type", ")"},
        {MasterList::Contacts, TableId::ConID, "ConFirst", " ", "ConLast"},
        {MasterList::Pharmacies, TableId::PharmID, "Pharmacy"},
        {MasterList::Providers, TableId::ProvID, "Name"},
        {MasterList::Locations, TableId::Location, "Key"},
    }};
    return lists;
}

std::string itemText(const MemoryTable &table, const MasterListSource &source)
{
    std::string text(table.value(source.first));
    if (!source.second.empty())
        text.append(source.separator).append(table.value(source.second)).append(source.suffix);
    return text;
}

} // namespace

void MasterListFiller::add(MasterList list, QComboBox *combo)
{
    targets_.push_back({list, combo, nullptr});
}

void MasterListFiller::add(MasterList list, QListWidget *listBox)
{
    targets_.push_back({list, nullptr, listBox});
}

void MasterListFiller::fill(const TableAccess &tables) const
{
    for (const MasterListSource &source : sources()) {
        std::vector<const Target *> targets;
        for (const Target &target : targets_)
            if (target.list == source.list && (target.combo || target.listBox))
                targets.push_back(&target);

        std::vector<QSignalBlocker> blockers;
        for (const Target *target : targets) {
            if (target->combo) {
                blockers.emplace_back(target->combo.data());
                target->combo->clear();
                target->combo->clearEditText();
            } else {
                blockers.emplace_back(target->listBox.data());
                target->listBox->clear();
            }
        }

        MemoryTable &table = tables(source.table);
        table.setSort(listingSort(source.table));
        for (table.moveFirst(); !table.eof(); table.moveNext()) {
            const QString text = Cp1252::toUnicode(itemText(table, source));
            const QString key = Cp1252::toUnicode(std::string(table.value("Key")));
            for (const Target *target : targets) {
                if (target->combo) {
                    target->combo->addItem(text, key);
                } else {
                    auto *item = new QListWidgetItem(text, target->listBox);
                    item->setData(Qt::UserRole, key);
                }
            }
        }
        for (const Target *target : targets)
            if (target->combo)
                target->combo->setCurrentIndex(-1);
    }
}

} // namespace vantorelle
