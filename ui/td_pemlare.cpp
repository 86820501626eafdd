#include "ui/td_pemlare.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "core/address_file_io.h"
#include "core/label_file.h"
#include "data/address_text.h"
#include "data/id_number.h"
#include "data/line_chars.h"
#include "data/windows1252.h"
#include "framework/dialog_results.h"
#include "framework/message_box.h"
#include "framework/resource_ids.h"
#include "link/scom.h"
#include "ui/label_combo.h"
#include "ui/msg_box.h"
#include "ui/open_save_dia.h"
#include "ui/pemlar_host.h"
#include "ui/port_list.h"

namespace pemlar {

namespace {

constexpr int kAddressLimit = 129;  // a line break counts two
constexpr int kIdNumberLimit = 19;
constexpr int kIdCodeLimit = 9;
constexpr int kIdDateLimit = 9;

}  // namespace

const std::array<fw::CommandEntry<TD_Pemlare>, 11> TD_Pemlare::Commands = {{
    {kCentreButton, fw::Notification::Clicked, &TD_Pemlare::alignCentre},
    {kLeftButton, fw::Notification::Clicked, &TD_Pemlare::alignLeft},
    {kInfoButton, fw::Notification::Clicked, &TD_Pemlare::CmInfo},
    {kReadButton, fw::Notification::Clicked, &TD_Pemlare::CmRead},
    {kWriteButton, fw::Notification::Clicked, &TD_Pemlare::CmWrite},
    {kLoadButton, fw::Notification::Clicked, &TD_Pemlare::CmLoad},
    {kSaveButton, fw::Notification::Clicked, &TD_Pemlare::CmSave},
    {kSetButton, fw::Notification::Clicked, &TD_Pemlare::stampIdNumber},
    {kPortList, fw::Notification::SelectionChanged, &TD_Pemlare::EvPortChange},
    {kPortList, fw::Notification::DroppingDown, &TD_Pemlare::EvPortListDropDown},
    {kLabelList, fw::Notification::SelectionChanged, &TD_Pemlare::EvLabelChange},
}};

TD_Pemlare::TD_Pemlare(fw::Window* owner)
    : fw::Dialog(kMainDialog, owner),
      AddressEdit(&requireControl<fw::Edit>(kAddressEdit)),
      IdNumberEdit(&requireControl<fw::Edit>(kIdNumberEdit)),
      IdCodeEdit(&requireControl<fw::Edit>(kIdCodeEdit)),
      IdDateEdit(&requireControl<fw::Edit>(kIdDateEdit)),
      PortList(&requireControl<fw::ComboBox>(kPortList)),
      LabelList(&requireControl<fw::ComboBox>(kLabelList)) {
    AddressEdit->setLimit(kAddressLimit);
    // What goes beyond the fifth line would never reach the instrument or the file:
    // the edit refuses it rather than let it vanish at the next write or save. Like the
    // original control it also refuses to open an (empty) sixth line.
    AddressEdit->setTextRule([](std::u32string_view text) {
        const bool opensALine = !text.empty() && (text.back() == U'\n' || text.back() == U'\r');
        return fitsAddressBlock(text) &&
               (!opensALine || fitsAddressBlock(std::u32string(text) + U' '));
    });
    // A character without a byte would be stored as '?': the edits refuse it instead.
    AddressEdit->setCharRule([](char32_t c) { return lineByte(c).has_value(); });
    // Visible lines break where the slots do.
    AddressEdit->setWrapColumn(kLineMaxChars);
    IdNumberEdit->setLimit(kIdNumberLimit);
    IdCodeEdit->setLimit(kIdCodeLimit);
    IdDateEdit->setLimit(kIdDateLimit);
    for (fw::Edit* edit : {IdNumberEdit, IdCodeEdit, IdDateEdit}) {
        edit->setCharRule([](char32_t c) { return toWindows1252(c).has_value(); });
    }
    fw::connectCommands<TD_Pemlare>(*this, Commands);
}

TD_Pemlare::~TD_Pemlare() = default;

PemlarHost& TD_Pemlare::app() {
    PemlarHost* host = currentHost();
    if (host == nullptr) {
        std::fprintf(stderr, "Pemlar: the main dialog runs only inside the Pemlar application\n");
        std::abort();
    }
    return *host;
}

void TD_Pemlare::Setup() {
    PemlarHost& host = app();
    fw::Dialog::Setup();
    LoadSettings();
    FillPortList(host.Com());
    for (fw::Edit* edit : {AddressEdit, IdNumberEdit, IdCodeEdit, IdDateEdit}) {
        edit->setText({});
    }
    MarkAddressKept();
    FillLabelList(labelFileText());
}

bool TD_Pemlare::CanClose() {
    return !AddressChanged() || MsgAsk(this, kMsgUnsavedAddress) == IdYes;
}

void TD_Pemlare::MarkAddressKept() {
    KeptAddress = pemlar::addressFileFromText(AddressEdit->chars());
}

bool TD_Pemlare::AddressChanged() const {
    return pemlar::addressFileFromText(AddressEdit->chars()) != KeptAddress;
}

void TD_Pemlare::LoadSettings() {
    StoredChoices choices{SelectedPort, SelectedLabel};
    const fw::SettingsProblem problem = readStoredSettings(choices);
    SelectedPort = choices.port;
    SelectedLabel = choices.label;
    ShowSettingsWarning(problem);
}

void TD_Pemlare::SavePortSetting() {
    ShowSettingsWarning(storePortSetting(SelectedPort));
}

void TD_Pemlare::SaveLabelSetting() {
    ShowSettingsWarning(storeLabelSetting(SelectedLabel));
}

void TD_Pemlare::ShowSettingsWarning(fw::SettingsProblem problem) {
    if (problem != fw::SettingsProblem::None) {
        fw::messageBox(this, fw::settingsProblemText(problem), fw::kSettingsWarningCaption,
                       fw::MessageIcon::None, fw::MessageButtons::Ok);
    }
}

// The restored port also becomes the port in use, so that the selected entry and the
// port the next transfer opens never differ.
void TD_Pemlare::FillPortList(scom& com) {
    if (fillPortCombo(*PortList, com, SelectedPort, app().PortDevices(), app().PortIdentities())) {
        com.setPort(SelectedPort);
    }
}

// Ports come and go while the program runs (a USB cable plugged in): the list is made
// anew whenever it opens. The selected port stays selected while it is there; when it
// has gone nothing is selected, and neither the link's port nor the stored one changes
// until the user picks another.
void TD_Pemlare::EvPortListDropDown() {
    const std::int32_t selected = PortList->currentData().value_or(0);
    fillPortCombo(*PortList, app().Com(), selected, app().PortDevices(), app().PortIdentities());
}

std::string TD_Pemlare::labelFileText() {
    return pemlar::readLabelFile();
}

void TD_Pemlare::FillLabelList(std::string_view text) {
    fillLabelCombo(*LabelList, text, SelectedLabel);
}

void TD_Pemlare::alignCentre() {
    AddressEdit->setChars(pemlar::alignCentre(AddressEdit->chars()));
}

void TD_Pemlare::alignLeft() {
    AddressEdit->setChars(pemlar::alignLeft(AddressEdit->chars()));
}

void TD_Pemlare::CmInfo() {
    if (PemlarHost* host = currentHost()) {
        host->RunAboutBox(this);
    }
}

void TD_Pemlare::CmLoad() {
    std::filesystem::path path;
    TC_OpenSaveDia dialog(TC_OpenSaveDia::OpenFile, {}, {}, kLoadTitleString, kFileFilterString);
    if (dialog.Execute(this, path) != 1) {
        return;
    }
    const std::optional<pemlar::AddressFileBytes> lines = pemlar::loadAddressFile(path);
    if (!lines) {
        MsgBox(this, MsgError, kMsgLoadFailed);
        return;
    }
    AddressEdit->setChars(showAddressChars(*lines));
    MarkAddressKept();
}

void TD_Pemlare::CmSave() {
    std::filesystem::path path;
    TC_OpenSaveDia dialog(TC_OpenSaveDia::SaveFile, {}, {}, kSaveTitleString, kFileFilterString);
    if (dialog.Execute(this, path) != 1) {
        return;
    }
    const pemlar::FileOutcome saved =
        pemlar::saveAddressFile(path, pemlar::addressFileFromText(AddressEdit->chars()));
    if (!saved.ok()) {
        MsgBox(this, MsgError, kMsgSaveFailed);
        return;
    }
    MarkAddressKept();
}

void TD_Pemlare::stampIdNumber() {
    // Without a selected label the code is left as it stands.
    if (LabelList->currentIndex() >= 0) {
        IdCodeEdit->setText(pemlar::labelCode(LabelList->itemText(LabelList->currentIndex())));
    }
    IdDateEdit->setText(pemlar::monthYearStamp(pemlar::localMonthYear()));
}

void TD_Pemlare::EvPortChange() {
    const std::optional<std::int32_t> port = PortList->currentData();
    if (!port) {
        return;
    }
    SelectedPort = *port;
    showSelectedPortDevice(*PortList);
    app().Com().setPort(SelectedPort);
    SavePortSetting();
}

void TD_Pemlare::EvLabelChange() {
    const std::optional<std::int32_t> label = LabelList->currentData();
    if (!label) {
        return;
    }
    SelectedLabel = *label;
    SaveLabelSetting();
}

}  // namespace pemlar
