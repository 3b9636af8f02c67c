#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vantorelle {

// The topics of a profile's records, in the order the topic list shows them.
enum class Topic {
    Personal,
    Legal,
    Insurance,
    Contacts,
    Allergies,
    Illnesses,
    Surgeries,
    Appointments,
    Medications,
    Vaccinations,
    Tests,
    BloodPressure,
    Weight,
    Glucose,
    Cholesterol,
    FamilyHistory,
};

inline constexpr std::size_t topicCount = 16;

// The topic at position `index` of the topic list.
constexpr Topic topicAt(std::size_t index)
{
    return static_cast<Topic>(index);
}

// The position of `topic` in the topic list.
constexpr std::size_t topicIndex(Topic topic)
{
    return static_cast<std::size_t>(topic);
}

// Whether `table`, a table of per-topic entries each naming its `topic`, has
// one entry for each topic from `first` to the last, in the topic list's
// order. Every per-topic table is checked with it at compile time.
template<typename Table>
constexpr bool coversTopicsInOrder(const Table &table, Topic first = Topic::Personal)
{
    if (table.size() != topicCount - topicIndex(first))
        return false;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].topic != topicAt(topicIndex(first) + i))
            return false;
    }
    return true;
}

struct TopicName {
    Topic topic;
    std::string_view name;
};

// The topic list's entries.
inline constexpr std::array<TopicName, topicCount> topicNames = {{
    {Topic::Personal, "Personal"},
    {Topic::Legal, "Legal"},
    {Topic::Insurance, "Insurance"},
    {Topic::Contacts, "Contacts"},
    {Topic::Allergies, "Allergies"},
    {Topic::Illnesses, "Illnesses/Conditions"},
    {Topic::Surgeries, "Surgeries/Hospitalizations"},
    {Topic::Appointments, "Appointments"},
    {Topic::Medications, "Medications"},
    {Topic::Vaccinations, "Vaccinations"},
    {Topic::Tests, "Tests"},
    {Topic::BloodPressure, "Blood Pressure"},
    {Topic::Weight, "Weight"},
    {Topic::Glucose, "Glucose"},
    {Topic::Cholesterol, "Cholesterol"},
    {Topic::FamilyHistory, "Family History"},
}};
static_assert(coversTopicsInOrder(topicNames));

// The name of `topic` in the topic list.
constexpr std::string_view topicName(Topic topic)
{
    return topicNames[topicIndex(topic)].name;
}

} // namespace vantorelle
