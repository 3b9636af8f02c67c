#pragma once

#include "mainwin/record_editor_hooks.h"
#include "mainwin/topics.h"

#include <QObject>

#include <array>
#include <memory>
#include <string>
#include <vector>

class DateTimePicker;
class ContactsPanel;
class InsurancePanel;
class Main;
class PersonalPanel;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class TextBox;
class TopicPanel;
struct PanelDescriptor;

// The record editor of the main window: one entry panel per topic, built by
// the panel engine from the topic's descriptor, and the frame every panel
// shares: the editing modes, clearing and showing a panel, and the Save
// command that validates the panel and stores the record.
class RecordEditor : public QObject, public RecordEditorHooks {
    Q_OBJECT
public:
    // Builds the panels into `main`'s panel area and connects the Save, Cancel,
    // Add and Edit buttons. `main` must outlive the editor; install the editor
    // in it before its load step.
    explicit RecordEditor(Main &main);
    ~RecordEditor() override;

    // ---- The frame
    // "Add" and "Edit" enter editing mode; any other text returns to normal mode.
    void ChangeMode(const QString &mode) override;
    // Empties the panel of a topic word for a new record; traps nothing.
    void clearFields(const QString &topic) override;
    // Fills the panel of a topic word from the current row of its table.
    void ShowFields(const QString &topic) override;
    // Validates the panel of the selected topic and stores it: all of it, or
    // nothing when any value, length or key is refused.
    void cmdNewSave_Click();

    // The Key of the profile the selector shows.
    std::string profileKey();

    // ---- Record commands
    void cmdAdd_Click();
    void cmdEdit_Click() override;
    void cmdNewCancel_Click() override;
    void cmdNew_Click() override;
    void cmdDel_Click();
    void cmdDelete_Click();
    void cmdViewProvider_Click();

    // ---- Start-up
    void fillFixedLists() override;
    void setTextLimits() override;
    void addEmptyBloodType() override;

    // The panel of each topic (frmButtons(i)); nullptr where a topic has none.
    std::array<TopicPanel *, TopicCount> frmButtons {};

    // Personal and Legal: one panel, one profile record
    std::vector<TextBox *> txtMainID;
    DateTimePicker *dtDate0;
    QLineEdit *txtAge;
    QComboBox *cboPhoneType, *cboSSNType, *cboGender, *cboMarital, *cboBlood, *cboDonor,
        *cboAttorney, *cboKin;
    QLineEdit *txtKey, *txtID, *txtSTATUS;
    // Insurance
    std::vector<TextBox *> txtInsID;
    QComboBox *cboInsType;
    DateTimePicker *dtInsDate;
    QLineEdit *txtInsKey, *txtInsIDNum, *txtInsSTATUS;
    QPushButton *cmdInsuranceSelect;
    QListWidget *lstInsuranceSelect;
    // Contacts
    std::vector<TextBox *> txtConID;
    QLineEdit *txtConKey, *txtConIDNum, *txtConSTATUS;
    QPushButton *cmdContactSelect;
    QListWidget *lstContactSelect;
    // What these three panels remember of the record they show, and how they store it.
    std::unique_ptr<PersonalPanel> personal;
    std::unique_ptr<InsurancePanel> insurance;
    std::unique_ptr<ContactsPanel> contacts;

    // Blood Pressure
    std::vector<TextBox *> txtBP;
    DateTimePicker *dtBPDate, *dtBPTime;
    QComboBox *cboBPActivity;
    QLineEdit *txtBPKey, *txtBPIDNum, *txtBPSTATUS;
    // Weight
    std::vector<TextBox *> txtWt;
    DateTimePicker *dtWtDate, *dtWtTime;
    QLineEdit *txtWtKey, *txtWtIDNum, *txtWtSTATUS;
    // Glucose
    std::vector<TextBox *> txtGlucose;
    QComboBox *cboGlucoseUnits, *cboGlucoseEvent;
    DateTimePicker *dtGlucoseDate, *dtGlucoseTime;
    QLineEdit *txtGlucoseKey, *txtGlucoseIDNum, *txtGlucoseSTATUS;
    // Cholesterol
    std::vector<TextBox *> txtChol;
    DateTimePicker *dtCholDate, *dtCholTime;
    QLineEdit *txtCholKey, *txtCholIDNum, *txtCholSTATUS;

    // Allergies
    std::vector<TextBox *> txtAllergy;
    DateTimePicker *dtAllergyDate;
    QLineEdit *txtAllergyKey, *txtAllergyIDNum, *txtAllergySTATUS;
    // Illnesses/Conditions
    std::vector<TextBox *> txtIllness;
    DateTimePicker *dtIllnessDate1, *dtIllnessDate2;
    QComboBox *cboIllnessProvider, *cboIllnessLocation;
    QLineEdit *txtIllnessKey, *txtIllnessIDNum, *txtIllnessSTATUS;
    // Surgeries/Hospitalizations
    std::vector<TextBox *> txtSurgery;
    DateTimePicker *dtSurgeryDate;
    QComboBox *cboSurgeryProvider, *cboSurgeryLocation;
    QLineEdit *txtSurgeryKey, *txtSurgeryIDNum, *txtSurgerySTATUS;
    // Appointments
    std::vector<TextBox *> txtAppt;
    DateTimePicker *dtApptDate1, *dtApptTime1, *dtApptDate2, *dtApptTime2;
    QComboBox *cboApptProvider, *cboApptLocation;
    QLineEdit *txtApptKey, *txtApptIDNum, *txtApptSTATUS;
    // Medications
    std::vector<TextBox *> txtMed;
    DateTimePicker *dtMedDate1, *dtMedDate2;
    QComboBox *cboMedProvider, *cboMedPharmacy, *cboMedActive;
    QLineEdit *txtMedKey, *txtMedIDNum, *txtMedSTATUS;
    // Vaccinations
    std::vector<TextBox *> txtVacc;
    DateTimePicker *dtVaccDate;
    QComboBox *cboVaccination, *cboVaccProvider, *cboVaccLocation;
    QLineEdit *txtVaccKey, *txtVaccIDNum, *txtVaccSTATUS;
    // Tests
    std::vector<TextBox *> txtTest;
    DateTimePicker *dtTestDate;
    QComboBox *cboTestProvider, *cboTestLocation;
    QLineEdit *txtTestKey, *txtTestIDNum, *txtTestSTATUS;
    // Family History
    std::vector<TextBox *> txtFamily;
    DateTimePicker *dtFamilyDate1, *dtFamilyDate2;
    QComboBox *cboFamilyRelation, *cboFamilySide;
    QLineEdit *txtFamilyKey, *txtFamilyIDNum, *txtFamilySTATUS;

private:
    TopicPanel &addPanel(const PanelDescriptor &descriptor);
    // The panels of the health-history topics (history_controls.cpp).
    void addHistoryPanels();
    // The record commands' buttons (record_commands.cpp).
    void connectRecordCommands();
    void addEditListButtons(TopicPanel &panel);
    void cmdEditList_Click(TopicPanel &panel, qint16 index);
    // The Personal and Legal, Insurance and Contacts panels (profile_panels.cpp).
    void addProfilePanels();
    TopicPanel *panel(const QString &topicWord) const;
    TopicPanel *panelAt(int topic) const;
    // Shows `panel` in front of the viewer, the other panels hidden.
    void bringToFront(TopicPanel &panel);
    // ShowFields of one panel; false when it failed (the user has been told).
    bool showPanel(TopicPanel &panel);
    // Validates and stores one panel; false when the validation refused it.
    bool save(TopicPanel &panel);
    void reselect(
        const TopicPanel &panel, const std::vector<std::string> &values, const std::string &key);

    Main &main_;
};
