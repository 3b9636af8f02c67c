#include "export_fixture.h"

#include "store/criterion.h"

namespace vantorelle {

void addRecord(Store &store, TableId table, const std::string &key, const FieldValues &values,
    const std::string &status)
{
    MemoryTable &rows = store.table(table);
    rows.addNew();
    rows.setValue("REC_ID", "0x00000001");
    rows.setValue("STATUS", status);
    rows.setValue("Key", key);
    for (const auto &[field, value] : values)
        rows.setValue(field, value);
    rows.update();
}

void hideDeletedRecords(Store &store)
{
    for (TableId table : readerOrder)
        store.table(table).setFilter(Criterion::standardFilter());
}

void addFamily(Store &store)
{
    using enum TableId;
    const std::string bo = "20230101000000p", kim = "20230102000000p", corner = "20230103000000p",
                      acme = "20230104000000p", sue = "20230105000000p";
    hideDeletedRecords(store);
    addRecord(store, MainID, annKey, {{"First", "Ann"}, {"Last", "Lee"}});
    addRecord(store, MainID, benKey, {{"First", "Ben"}, {"Last", "Ode"}});
    addRecord(store, ProvID, bo, {{"Name", "Dr. \"Bo\" Smith, MD"}, {"Type", "GP"}});
    addRecord(store, ProvID, kim, {{"Name", "Kim Ray"}});
    addRecord(store, PharmID, corner, {{"Pharmacy", "Corner Drug"}});
    addRecord(
        store, InsID, acme, {{"Company", "Acme, Inc."}, {"Type", "Dental"}, {"Date", "20240102"}});
    addRecord(store, ConID, sue, {{"ConFirst", "Sue"}, {"ConLast", "Poe"}});

    addRecord(store, InsXref, annKey + acme, {{"InsID", acme}});
    addRecord(store, InsXref, annKey + "20239999000000p", {{"InsID", "20239999000000p"}});
    addRecord(store, InsXref, benKey + acme, {{"InsID", acme}});
    addRecord(store, ConXref, annKey + sue, {{"ConID", sue}});

    addRecord(store, Appt, annKey + "0", {{"Reason", "deleted"}}, "0x0002");
    addRecord(store, Appt, annKey + "1",
        {{"ProvID", bo}, {"Date", "20240308"}, {"Time", "13:05"}, {"Location", "Clinic"},
            {"Reason", "Check, \"annual\""}, {"Diagnosis", "ER visit\r\n\r\nCarry card"},
            {"Notes", "Measured after coffee\r\nleft arm"}, {"Date2", "20240401"},
            {"Time2", "09:00"}});
    addRecord(store, Appt, annKey + "2",
        {{"ProvID", "20229999000000p"}, {"Date", "20231231"}, {"Time", "00:30"},
            {"Reason", "Tab\there"}});
    addRecord(store, Appt, annKey + "3", {});
    addRecord(store, Appt, benKey + "1", {{"Reason", "Ben's"}});

    addRecord(store, Illness, annKey + "1",
        {{"Illness", "Flu"}, {"Date", "20240105"}, {"Date2", "20240110"}, {"ProvID", bo}});
    addRecord(
        store, Surgery, annKey + "1", {{"Surgery", "Knee"}, {"Date", "20220615"}, {"ProvID", kim}});
    addRecord(store, Med, annKey + "1",
        {{"Medication", "Aspirin"}, {"Date", "20240105"}, {"Date2", "20240110"}, {"ProvID", kim},
            {"PharmID", corner}});
    addRecord(store, Vacc, annKey + "1", {{"Vaccination", "Tetanus"}, {"ProvID", kim}});
    addRecord(store, BP, annKey + "1",
        {{"SBP", "120"}, {"DBP", "80"}, {"Date", "20240201"}, {"Time", "12:00"}});
    addRecord(store, Family, annKey + "1",
        {{"FamFirst", "Eve"}, {"Date", "19400101"}, {"Date2", "20001231"}});
}

} // namespace vantorelle
