#pragma once
// The program's one working window, built from template 1000 and placed as the frame's
// client. Every user action arrives here as a command of its command table.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/address_file.h"
#include "core/backups.h"
#include "framework/command_table.h"
#include "framework/dialog.h"
#include "ui/settings_store.h"

namespace pemlar {

class PemlarHost;
class scom;

class TD_Pemlare : public fw::Dialog {
public:
    explicit TD_Pemlare(fw::Window* owner = nullptr);
    ~TD_Pemlare() override;

    // The program ends only after a question when the address edit holds lines that
    // were neither saved, written, read nor loaded.
    bool CanClose() override;

protected:
    // Reads the settings, fills the port list, empties the four edits and fills the
    // label list, in this order.
    void Setup() override;

private:
    // The running application (checked downcast of fw::Application::instance()).
    static PemlarHost& app();

    // Settings and lists. A store that can't be opened or written is reported with the
    // plain platform message box and its fixed English warning.
    void LoadSettings();
    void SavePortSetting();
    void SaveLabelSetting();
    void ShowSettingsWarning(fw::SettingsProblem problem);
    void FillPortList(scom& com);
    std::string labelFileText();
    void FillLabelList(std::string_view text);

    // What the address edit holds now becomes what the user would not lose.
    void MarkAddressKept();
    bool AddressChanged() const;
    // A backup that could not be written, told once a run.
    void WarnFailedBackup(const BackupOutcome& backup);

    // Command handlers.
    void alignCentre();
    void alignLeft();
    void CmInfo();
    void CmRead();
    void CmWrite();
    void CmLoad();
    void CmSave();
    void stampIdNumber();
    void EvPortChange();
    void EvPortListDropDown();
    void EvLabelChange();

    static const std::array<fw::CommandEntry<TD_Pemlare>, 11> Commands;

    std::int32_t SelectedPort = 0;   // persisted as "Selcted_Com"; 0 = none stored
    std::int32_t SelectedLabel = 0;  // persisted as "Selcted_Lab"
    // Set by the first "&Auslesen " that went through. Until then the ID edits and the
    // rest of the stored page know nothing of the instrument, so a write fetches them
    // from it first.
    bool AddressRead = false;
    // The lines as last saved, written, read or loaded, in the form a save gives them:
    // what differs only in what a save would not keep (a trailing line break) is no
    // change, and text typed and taken back again is none either.
    AddressFileBytes KeptAddress{};
    bool BackupWarned = false;
    fw::Edit* AddressEdit;    // kAddressEdit
    fw::Edit* IdNumberEdit;   // kIdNumberEdit
    fw::Edit* IdCodeEdit;     // kIdCodeEdit
    fw::Edit* IdDateEdit;     // kIdDateEdit
    fw::ComboBox* PortList;   // kPortList
    fw::ComboBox* LabelList;  // kLabelList
};

}  // namespace pemlar
