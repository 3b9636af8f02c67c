#include "store/listing_order.h"

#include <algorithm>

namespace vantorelle {

namespace {

constexpr std::string_view profileOrder[] = {"Last", "First"};
constexpr std::string_view contactOrder[] = {"ConLast", "ConFirst"};
constexpr std::string_view companyOrder[] = {"Company"};
constexpr std::string_view pharmacyOrder[] = {"Pharmacy"};
constexpr std::string_view nameOrder[] = {"Name"};
constexpr std::string_view keyOrder[] = {"Key"};

} // namespace

std::span<const std::string_view> listingOrder(TableId table)
{
    switch (table) {
    case TableId::MainID:
        return profileOrder;
    case TableId::ConID:
        return contactOrder;
    case TableId::InsID:
        return companyOrder;
    case TableId::PharmID:
        return pharmacyOrder;
    case TableId::ProvID:
        return nameOrder;
    default:
        return keyOrder;
    }
}

std::vector<std::string> listingSort(TableId table)
{
    const std::span<const std::string_view> order = listingOrder(table);
    return std::vector<std::string>(order.begin(), order.end());
}

std::vector<RowView> inListingOrder(const TableRows &rows, TableId table)
{
    std::vector<RowView> ordered(rows.begin(), rows.end());
    const std::span<const std::string_view> fields = listingOrder(table);
    if (fields.size() == 1 && fields.front() == "Key")
        return ordered; // the query's own order
    std::stable_sort(ordered.begin(), ordered.end(), [fields](const RowView &a, const RowView &b) {
        for (const std::string_view field : fields) {
            const int order = a.value(field).compare(b.value(field));
            if (order != 0)
                return order < 0;
        }
        return false;
    });
    return ordered;
}

} // namespace vantorelle
