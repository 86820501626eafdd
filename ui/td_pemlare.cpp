#include "ui/td_pemlare.h"

#include <QComboBox>
#include <filesystem>
#include <optional>

#include "core/address_file_io.h"
#include "core/label_file.h"
#include "data/address_text.h"
#include "data/id_number.h"
#include "data/line_chars.h"
#include "data/windows1252.h"
#include "framework/qt/message_box.h"
#include "framework/qt/text_edit.h"
#include "framework/qt/windows_text.h"
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

// The picked path as the core takes it (UTF-16 from the file dialog; the local 8-bit
// encoding on POSIX is UTF-8 in both Qt and the standard library).
std::filesystem::path filePath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

}  // namespace

const std::array<CommandEntry<TD_Pemlare>, 10> TD_Pemlare::Commands = {{
    {kCentreButton, Notification::Clicked, &TD_Pemlare::alignCentre},
    {kLeftButton, Notification::Clicked, &TD_Pemlare::alignLeft},
    {kInfoButton, Notification::Clicked, &TD_Pemlare::CmInfo},
    {kReadButton, Notification::Clicked, &TD_Pemlare::CmRead},
    {kWriteButton, Notification::Clicked, &TD_Pemlare::CmWrite},
    {kLoadButton, Notification::Clicked, &TD_Pemlare::CmLoad},
    {kSaveButton, Notification::Clicked, &TD_Pemlare::CmSave},
    {kSetButton, Notification::Clicked, &TD_Pemlare::stampIdNumber},
    {kPortList, Notification::SelectionChanged, &TD_Pemlare::EvPortChange},
    {kLabelList, Notification::SelectionChanged, &TD_Pemlare::EvLabelChange},
}};

TD_Pemlare::TD_Pemlare(QWidget* parent)
    : TemplateDialog(kMainDialog, parent),
      AddressEdit(requireControl<TemplateTextEdit>(kAddressEdit)),
      IdNumberEdit(requireControl<TemplateTextEdit>(kIdNumberEdit)),
      IdCodeEdit(requireControl<TemplateTextEdit>(kIdCodeEdit)),
      IdDateEdit(requireControl<TemplateTextEdit>(kIdDateEdit)),
      PortList(requireControl<QComboBox>(kPortList)),
      LabelList(requireControl<QComboBox>(kLabelList)) {
    AddressEdit->setTextLimit(kAddressLimit);
    // What goes beyond the fifth line would never reach the instrument or the file:
    // the edit refuses it rather than let it vanish at the next write or save. Like the
    // original control it also refuses to open an (empty) sixth line.
    AddressEdit->setTextRule([](const QString& text) {
        const std::u32string chars = toEditChars(text);
        const bool opensALine = text.endsWith(QLatin1Char('\n'));
        return fitsAddressBlock(chars) && (!opensALine || fitsAddressBlock(chars + U' '));
    });
    // A character without a byte would be stored as '?': the edits refuse it instead.
    AddressEdit->setCharRule([](char32_t c) { return lineByte(c).has_value(); });
    // Visible lines break where the slots do.
    AddressEdit->setWrapColumn(kLineMaxChars);
    IdNumberEdit->setTextLimit(kIdNumberLimit);
    IdCodeEdit->setTextLimit(kIdCodeLimit);
    IdDateEdit->setTextLimit(kIdDateLimit);
    for (TemplateTextEdit* edit : {IdNumberEdit, IdCodeEdit, IdDateEdit}) {
        edit->setCharRule([](char32_t c) { return toWindows1252(c).has_value(); });
    }
    connectCommands<TD_Pemlare>(this, Commands);
}

TD_Pemlare::~TD_Pemlare() = default;

PemlarHost& TD_Pemlare::app() {
    PemlarHost* host = currentHost();
    if (host == nullptr) {
        qFatal("the main dialog runs only inside the Pemlar application");
    }
    return *host;
}

void TD_Pemlare::Setup() {
    PemlarHost& host = app();
    TemplateDialog::Setup();
    LoadSettings();
    FillPortList(host.Com());
    for (TemplateTextEdit* edit : {AddressEdit, IdNumberEdit, IdCodeEdit, IdDateEdit}) {
        edit->setPlainText(QString());
    }
    FillLabelList(labelFileText());
}

void TD_Pemlare::LoadSettings() {
    StoredChoices choices{SelectedPort, SelectedLabel};
    const SettingsWarning warning = readStoredSettings(choices);
    SelectedPort = choices.port;
    SelectedLabel = choices.label;
    ShowSettingsWarning(warning);
}

void TD_Pemlare::SavePortSetting() {
    ShowSettingsWarning(storePortSetting(SelectedPort));
}

void TD_Pemlare::SaveLabelSetting() {
    ShowSettingsWarning(storeLabelSetting(SelectedLabel));
}

void TD_Pemlare::ShowSettingsWarning(SettingsWarning warning) {
    if (warning != SettingsWarning::None) {
        showMessageBox(this, settingsWarningText(warning), settingsWarningCaption(),
                       MessageIcon::None, MessageButtons::Ok);
    }
}

// The restored port also becomes the port in use, so that the selected entry and the
// port the next transfer opens never differ.
void TD_Pemlare::FillPortList(scom& com) {
    if (fillPortCombo(*PortList, com, SelectedPort, app().PortDevices())) {
        com.setPort(SelectedPort);
    }
}

std::string TD_Pemlare::labelFileText() {
    return pemlar::readLabelFile();
}

void TD_Pemlare::FillLabelList(std::string_view text) {
    fillLabelCombo(*LabelList, text, SelectedLabel);
}

void TD_Pemlare::alignCentre() {
    setEditChars(AddressEdit, pemlar::alignCentre(editChars(AddressEdit)));
}

void TD_Pemlare::alignLeft() {
    setEditChars(AddressEdit, pemlar::alignLeft(editChars(AddressEdit)));
}

void TD_Pemlare::CmInfo() {
    if (PemlarHost* host = currentHost()) {
        host->RunAboutBox(this);
    }
}

void TD_Pemlare::CmLoad() {
    QString path;
    TC_OpenSaveDia dialog(TC_OpenSaveDia::OpenFile, QString(), QString(), kLoadTitleString,
                          kFileFilterString);
    if (dialog.Execute(this, path) != 1) {
        return;
    }
    const std::optional<pemlar::AddressFileBytes> lines = pemlar::loadAddressFile(filePath(path));
    if (!lines) {
        MsgBox(this, MsgError, kMsgLoadFailed);
        return;
    }
    setEditChars(AddressEdit, showAddressChars(*lines));
}

void TD_Pemlare::CmSave() {
    QString path;
    TC_OpenSaveDia dialog(TC_OpenSaveDia::SaveFile, QString(), QString(), kSaveTitleString,
                          kFileFilterString);
    if (dialog.Execute(this, path) != 1) {
        return;
    }
    const pemlar::FileOutcome saved = pemlar::saveAddressFile(
        filePath(path), pemlar::addressFileFromText(editChars(AddressEdit)));
    if (!saved.ok()) {
        MsgBox(this, MsgError, kMsgSaveFailed);
    }
}

void TD_Pemlare::stampIdNumber() {
    // Without a selected label the code is left as it stands.
    if (LabelList->currentIndex() >= 0) {
        setWindowText(IdCodeEdit, pemlar::labelCode(toWindowsText(LabelList->currentText())));
    }
    setWindowText(IdDateEdit, pemlar::monthYearStamp(pemlar::localMonthYear()));
}

void TD_Pemlare::EvPortChange() {
    const QVariant port = PortList->currentData();
    if (!port.isValid()) {
        return;
    }
    SelectedPort = port.toInt();
    showSelectedPortDevice(*PortList);
    app().Com().setPort(SelectedPort);
    SavePortSetting();
}

void TD_Pemlare::EvLabelChange() {
    const QVariant label = LabelList->currentData();
    if (!label.isValid()) {
        return;
    }
    SelectedLabel = label.toInt();
    SaveLabelSetting();
}

}  // namespace pemlar
