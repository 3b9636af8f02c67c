#include "bench/data_generator.h"

#include "store/keys.h"
#include "store/record_status.h"
#include "store/row_values.h"
#include "store/store.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <span>
#include <string_view>

namespace vantorelle {

namespace {

// std::mt19937's output is fixed by the standard; the distributions are not,
// so the few draws needed are made here.
class Draw {
public:
    explicit Draw(std::uint32_t seed)
        : engine_(seed)
    {
    }
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }
    std::string pick(std::span<const std::string_view> items)
    {
        return std::string(items[static_cast<std::size_t>(below(static_cast<int>(items.size())))]);
    }

private:
    std::mt19937 engine_;
};

using Values = std::map<std::string, std::string, std::less<>>;

// Notes as people type them: quotes, commas, line breaks and cp1252 letters
// (0xE9 e acute, 0xB0 degree, 0x80 euro, 0x96 en dash).
constexpr std::string_view notes[] = {
    "Felt dizzy, sat down for a while",
    "Dr. said \"nothing to worry about\"",
    "After the morning run\r\nHeart still racing",
    "Caf\xE9 au lait before, \"large\" one",
    "Temperature 38.5\xB0"
    "C, took it again later",
    "Paid \x80"
    "15 \x96 no receipt",
    "Line one\r\nLine two\r\nLine three, with \"quotes\"",
    "Back slash \\ in a path C:\\Temp",
    "Short",
};

constexpr std::string_view firstNames[]
    = {"Ann", "Bob", "Carla", "Dmitri", "Elise", "Fran\xE7ois", "Grace", "Hiro", "Ines", "Jos\xE9"};
constexpr std::string_view lastNames[] = {"Lee", "O'Neil", "Smith", "M\xFCller", "Garcia", "Novak"};
constexpr std::string_view activities[] = {"Resting", "Walking", "After meal", "Exercise"};
constexpr std::string_view events[] = {"Fasting", "Before lunch", "After dinner", "Bedtime"};
constexpr std::string_view allergies[] = {"Penicillin", "Peanuts", "Pollen", "Latex", "Dust"};
constexpr std::string_view illnesses[] = {"Asthma", "Diabetes, type 2", "Hypertension", "Flu"};
constexpr std::string_view medications[] = {"Aspirin", "Metformin", "Lisinopril", "Ibuprofen"};
constexpr std::string_view vaccines[] = {"Tetanus", "Influenza", "Hepatitis B", "MMR"};
constexpr std::string_view tests[] = {"HbA1c", "Blood count", "X-ray \"chest\"", "ECG"};
constexpr std::string_view surgeries[] = {"Appendectomy", "Knee, left", "Tonsils"};
constexpr std::string_view relations[] = {"Mother", "Father", "Sister", "Brother"};

std::string hex(int number, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(number));
    return text;
}

std::string twoDigits(int n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// A moment `minutes` and `seconds` after 1 January 2005, 00:00.
LocalDateTime moment(long long minutes, int seconds = 0)
{
    using namespace std::chrono;
    const sys_days start = year_month_day {year {2005}, January, day {1}};
    const sys_seconds at = start + std::chrono::minutes {minutes} + std::chrono::seconds {seconds};
    const sys_days on = floor<days>(at);
    const year_month_day ymd {on};
    const hh_mm_ss clock {at - on};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
        static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(clock.hours().count()),
        static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count())};
}

std::string storedDate(const LocalDateTime &at)
{
    return std::to_string(at.year) + twoDigits(at.month) + twoDigits(at.day);
}

std::string storedTime(const LocalDateTime &at)
{
    return twoDigits(at.hour) + ":" + twoDigits(at.minute);
}

// Adds the rows of one table, records ids counting up.
class TableFiller {
public:
    // `mixed`: some records changed, new or deleted; else all as last synchronised.
    TableFiller(Store &store, TableId id, Draw &draw, bool mixed = true)
        : id_(id)
        , table_(store.table(id))
        , draw_(draw)
        , mixed_(mixed)
    {
    }

    // Adds a row under the key its table's recipe builds from `values`, with the
    // clock reading `clock`; returns the key.
    std::string add(std::string_view profileKey, const Values &values, const LocalDateTime &clock)
    {
        const std::string key = buildKey(
            id_, profileKey,
            [&values](std::string_view field) {
                const auto it = values.find(field);
                return it == values.end() ? std::string_view() : std::string_view(it->second);
            },
            clock);
        addWithKey(key, values);
        return key;
    }

    void addWithKey(const std::string &key, const Values &values)
    {
        // Most records are as last synchronised; some changed, some new, some deleted.
        const int kind = mixed_ ? draw_.below(100) : 100;
        const bool isNew = kind < 2;
        const std::string_view status = isNew ? RecordStatus::added
            : kind < 5                        ? RecordStatus::modified
            : kind < 7                        ? RecordStatus::deleted
                                              : RecordStatus::unchanged;
        row_.clear();
        row_.add(isNew ? std::string(newRecordId) : hex(++lastId_, 8));
        row_.add(status);
        row_.add(key);
        const auto &columns = table_.columns();
        for (std::size_t c = 3; c < columns.size(); ++c) {
            const auto it = values.find(columns[c].name);
            row_.add(it == values.end() ? std::string_view() : std::string_view(it->second));
        }
        table_.appendRow(row_);
    }

private:
    TableId id_;
    MemoryTable &table_;
    Draw &draw_;
    bool mixed_;
    RowValues row_;
    int lastId_ = 0;
};

struct Masters {
    std::vector<std::string> providers, pharmacies, insurers, insurerNames, contacts, contactFirst,
        contactLast, locations;
};

std::string note(Draw &draw, int percent)
{
    return draw.percent(percent) ? draw.pick(notes) : std::string();
}

Masters addMasters(Store &store, Draw &draw)
{
    Masters m;
    LocalDateTime made {2008, 6, 1, 9, 0, 0};
    const auto next = [&made] {
        made = nextSecond(made);
        return made;
    };
    TableFiller locations(store, TableId::Location, draw);
    for (int i = 0; i < 12; ++i) {
        m.locations.push_back("Clinic " + std::to_string(i + 1) + (i % 3 ? "" : ", St. Mary's"));
        locations.add({}, {{"Key", m.locations.back()}}, next());
    }
    TableFiller types(store, TableId::ProvType, draw);
    for (std::string_view type : {"GP", "Cardiologist", "Dentist", "Optician", "Pediatrician"})
        types.add({}, {{"Key", std::string(type)}}, next());
    TableFiller providers(store, TableId::ProvID, draw);
    for (int i = 0; i < 40; ++i) {
        m.providers.push_back(providers.add({},
            {{"Name", "Dr. " + draw.pick(lastNames)}, {"Type", "GP"},
                {"Phone1", "555-01" + twoDigits(i)},
                {"Location", m.locations[static_cast<std::size_t>(i % 12)]},
                {"Address", std::to_string(i + 1) + " Main St\r\nSpringfield"},
                {"Notes", note(draw, 40)}},
            next()));
    }
    TableFiller pharmacies(store, TableId::PharmID, draw);
    for (int i = 0; i < 8; ++i) {
        m.pharmacies.push_back(pharmacies.add({},
            {{"Pharmacy", "Pharmacy " + std::to_string(i + 1)}, {"Name", "Counter"},
                {"Hours", "8-18"}, {"Notes", note(draw, 30)}},
            next()));
    }
    TableFiller insurers(store, TableId::InsID, draw);
    for (int i = 0; i < 15; ++i) {
        m.insurerNames.push_back("Insurer " + std::to_string(i + 1));
        m.insurers.push_back(insurers.add({},
            {{"Company", m.insurerNames.back()}, {"Type", "Health"},
                {"Policy", "P-" + std::to_string(100000 + i)}, {"Notes", note(draw, 30)}},
            next()));
    }
    TableFiller contacts(store, TableId::ConID, draw);
    for (int i = 0; i < 40; ++i) {
        m.contactFirst.emplace_back(draw.pick(firstNames));
        m.contactLast.emplace_back(draw.pick(lastNames));
        m.contacts.push_back(contacts.add({},
            {{"ConFirst", m.contactFirst.back()}, {"ConLast", m.contactLast.back()},
                {"Phone1", "555-02" + twoDigits(i)}, {"Notes", note(draw, 30)}},
            next()));
    }
    return m;
}

// Spreads `total` over `parts` as evenly as whole numbers allow.
int share(int total, int parts, int index)
{
    return total / parts + (index < total % parts ? 1 : 0);
}

} // namespace

DataGenerator::DataGenerator(std::uint32_t seed, Sizes sizes)
    : seed_(seed)
    , sizes_(sizes)
{
}

std::vector<StoreFailure> DataGenerator::write(const std::string &folder)
{
    Draw draw(seed_);
    Store store(folder);
    const Masters masters = addMasters(store, draw);

    TableFiller profiles(store, TableId::MainID, draw, false),
        names(store, TableId::MainNm, draw, false), insLinks(store, TableId::InsXref, draw),
        conLinks(store, TableId::ConXref, draw), bp(store, TableId::BP, draw),
        glucose(store, TableId::Glucose, draw), weight(store, TableId::Weight, draw),
        chol(store, TableId::Chol, draw), allergy(store, TableId::Allergy, draw),
        illness(store, TableId::Illness, draw), surgery(store, TableId::Surgery, draw),
        appt(store, TableId::Appt, draw), med(store, TableId::Med, draw),
        vacc(store, TableId::Vacc, draw), test(store, TableId::Test, draw),
        family(store, TableId::Family, draw);

    for (int p = 0; p < sizes_.profiles; ++p) {
        const LocalDateTime created {2009, 3, 5, 7, 8 + p / 60, p % 60};
        const std::string first(firstNames[static_cast<std::size_t>(p) % std::size(firstNames)]);
        const std::string last(lastNames[static_cast<std::size_t>(p) % std::size(lastNames)]);
        const std::string profileKey = profiles.add({},
            {{"First", first}, {"Last", last}, {"Birth", std::to_string(1940 + p * 3) + "0512"},
                {"Phone1", "555-0100"}, {"Address", "1 Main St\r\nSpringfield"},
                {"Notes", "Likes \"tea\", not coffee"}},
            created);
        names.add({}, {{"First", first}, {"Last", last}, {"MainID", profileKey}}, created);
        for (int i = 0; i < 2; ++i) {
            const auto ins = static_cast<std::size_t>(draw.below(15));
            insLinks.add(profileKey,
                {{"Company", keyTextOf(masters.insurerNames[ins])},
                    {"InsID", masters.insurers[ins]}},
                created);
        }
        for (int i = 0; i < 3; ++i) {
            const auto con = static_cast<std::size_t>(draw.below(40));
            conLinks.add(profileKey,
                {{"ConFirst", masters.contactFirst[con]}, {"ConLast", masters.contactLast[con]},
                    {"ConID", masters.contacts[con]}},
                created);
        }

        // Readings: two fifths blood pressure, three tenths glucose, a fifth
        // weight, a tenth cholesterol, taken every few hours over the years.
        const int readings = share(sizes_.readings, sizes_.profiles, p);
        long long minutes = draw.between(0, 600);
        for (int r = 0; r < readings; ++r) {
            minutes += draw.between(20, 240);
            const LocalDateTime at = moment(minutes);
            const LocalDateTime entered = moment(minutes, r % 50);
            const std::string date = storedDate(at), time = storedTime(at);
            const int kind = r % 10;
            if (kind < 4) {
                bp.add(profileKey,
                    {{"SBP", std::to_string(draw.between(100, 170))},
                        {"DBP", std::to_string(draw.between(60, 100))},
                        {"Pulse", std::to_string(draw.between(50, 110))}, {"Date", date},
                        {"Time", time}, {"Activity", draw.pick(activities)},
                        {"Notes", note(draw, 8)}},
                    entered);
            } else if (kind < 7) {
                glucose.add(profileKey,
                    {{"Glucose", std::to_string(draw.between(70, 220))}, {"Units", "mg/dL"},
                        {"Carbs", std::to_string(draw.between(0, 90))},
                        {"Event", draw.pick(events)}, {"Date", date}, {"Time", time},
                        {"Notes", note(draw, 8)}, {"Insulin", draw.percent(30) ? "10 units" : ""}},
                    entered);
            } else if (kind < 9) {
                weight.add(profileKey,
                    {{"Weight", std::to_string(draw.between(110, 240))}, {"Date", date},
                        {"Time", time}, {"Notes", note(draw, 5)}},
                    entered);
            } else {
                const int hdl = draw.between(35, 80), ldl = draw.between(70, 190);
                chol.add(profileKey,
                    {{"Total", std::to_string(hdl + ldl + 30)}, {"LDL", std::to_string(ldl)},
                        {"HDL", std::to_string(hdl)},
                        {"Triglycerides", std::to_string(draw.between(60, 250))}, {"Date", date},
                        {"Time", time}, {"Notes", note(draw, 10)}},
                    entered);
            }
        }

        // The other topics, in fixed shares of the profile's part.
        const int others = share(sizes_.otherRecords, sizes_.profiles, p);
        for (int r = 0; r < others; ++r) {
            const int minutes = draw.between(0, 10'000'000);
            const LocalDateTime at = moment(minutes);
            const LocalDateTime entered = moment(minutes, r % 60);
            const std::string date = storedDate(at), time = storedTime(at);
            const std::string provider
                = masters.providers[static_cast<std::size_t>(draw.below(40))];
            const std::string location
                = masters.locations[static_cast<std::size_t>(draw.below(12))];
            const int kind = r % 20;
            if (kind < 5) {
                appt.add(profileKey,
                    {{"ProvID", provider}, {"Date", date}, {"Time", time}, {"Location", location},
                        {"Reason", "Check-up, routine"}, {"Diagnosis", note(draw, 30)},
                        {"Notes", note(draw, 50)}},
                    entered);
            } else if (kind < 9) {
                med.add(profileKey,
                    {{"Medication", draw.pick(medications)}, {"Take", "1 daily"},
                        {"Dosage", "81 mg"}, {"ProvID", provider}, {"Date", date},
                        {"PharmID", masters.pharmacies[draw.below(8)]},
                        {"Active", draw.percent(50) ? "Yes" : "No"}, {"Notes", note(draw, 40)}},
                    entered);
            } else if (kind < 13) {
                test.add(profileKey,
                    {{"Test", draw.pick(tests)}, {"Date", date}, {"ProvID", provider},
                        {"Location", location}, {"Result", "Within range, \"normal\""},
                        {"Notes", note(draw, 40)}},
                    entered);
            } else if (kind < 15) {
                illness.add(profileKey,
                    {{"Illness", draw.pick(illnesses)}, {"Date", date},
                        {"Symptoms", "Cough\r\nFever"}, {"ProvID", provider},
                        {"Notes", note(draw, 50)}},
                    entered);
            } else if (kind < 17) {
                vacc.add(profileKey,
                    {{"Vaccination", draw.pick(vaccines)}, {"Date", date}, {"ProvID", provider},
                        {"Location", location}, {"Notes", note(draw, 30)}},
                    entered);
            } else if (kind == 17) {
                allergy.add(profileKey,
                    {{"Allergy", draw.pick(allergies) + " " + date}, {"Reaction", "Rash, itching"},
                        {"Date", date}, {"Notes", note(draw, 50)}},
                    entered);
            } else if (kind == 18) {
                surgery.add(profileKey,
                    {{"Surgery", draw.pick(surgeries)}, {"Date", date}, {"ProvID", provider},
                        {"Location", location}, {"Instructions", "Rest\r\nNo lifting"},
                        {"Notes", note(draw, 50)}},
                    entered);
            } else {
                family.add(profileKey,
                    {{"FamFirst", draw.pick(firstNames)}, {"FamLast", last},
                        {"Relation", draw.pick(relations)}, {"Illness", "Hypertension, diabetes"},
                        {"Notes", note(draw, 30)}},
                    entered);
            }
        }
    }

    TableFiller prefs(store, TableId::Prefs, draw, false);
    for (const auto &[key, value] :
        {std::pair {"currency_symbol", "$"}, {"date_format", "mmddyyyy"}, {"date_sep", "/"},
            {"glucose_units", "mg/dL"}, {"password", ""}})
        prefs.addWithKey(key, {{"PrefsStr1", value}, {"PrefsNum1", "0"}});

    // Written in key order, as the program writes its tables.
    for (std::size_t i = 0; i < tableCount; ++i) {
        const auto id = static_cast<TableId>(i);
        store.table(id).setSort({id == TableId::Prefs ? "PrefsKey" : "Key"});
    }
    return store.writeTables();
}

} // namespace vantorelle
