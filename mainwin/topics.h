#pragma once

#include <array>
#include <string_view>

// The topics of the topic list, by their position in it (the topic index).
namespace Topic {
enum Index : int {
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
} // namespace Topic

inline constexpr int TopicCount = 16;

// The topic list's entries, in its order.
inline constexpr std::array<std::string_view, TopicCount> TopicNames = {
    "Personal",
    "Legal",
    "Insurance",
    "Contacts",
    "Allergies",
    "Illnesses/Conditions",
    "Surgeries/Hospitalizations",
    "Appointments",
    "Medications",
    "Vaccinations",
    "Tests",
    "Blood Pressure",
    "Weight",
    "Glucose",
    "Cholesterol",
    "Family History",
};
