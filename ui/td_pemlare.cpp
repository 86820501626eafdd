#include "ui/td_pemlare.h"

#include <QComboBox>

#include "data/address_text.h"
#include "framework/text_edit.h"
#include "framework/windows_text.h"
#include "link/scom.h"
#include "ui/pemlar_host.h"

namespace {

constexpr int kAddressLimit = 129;  // a line break counts two
constexpr int kIdNumberLimit = 19;
constexpr int kIdCodeLimit = 9;
constexpr int kIdDateLimit = 9;

}  // namespace

const std::array<CommandEntry<TD_Pemlare>, 10> TD_Pemlare::Commands = {{
    {104, Notification::Clicked, &TD_Pemlare::alignCentre},
    {115, Notification::Clicked, &TD_Pemlare::alignLeft},
    {110, Notification::Clicked, &TD_Pemlare::CmInfo},
    {101, Notification::Clicked, &TD_Pemlare::CmRead},
    {107, Notification::Clicked, &TD_Pemlare::CmWrite},
    {102, Notification::Clicked, &TD_Pemlare::CmLoad},
    {103, Notification::Clicked, &TD_Pemlare::CmSave},
    {106, Notification::Clicked, &TD_Pemlare::stampIdNumber},
    {113, Notification::SelectionChanged, &TD_Pemlare::EvPortChange},
    {119, Notification::SelectionChanged, &TD_Pemlare::EvLabelChange},
}};

TD_Pemlare::TD_Pemlare(QWidget* parent)
    : TemplateDialog(1000, parent),
      AddressEdit(requireControl<TemplateTextEdit>(120)),
      IdNumberEdit(requireControl<TemplateTextEdit>(121)),
      IdCodeEdit(requireControl<TemplateTextEdit>(122)),
      IdDateEdit(requireControl<TemplateTextEdit>(123)),
      PortList(requireControl<QComboBox>(113)),
      LabelList(requireControl<QComboBox>(119)) {
    AddressEdit->setTextLimit(kAddressLimit);
    IdNumberEdit->setTextLimit(kIdNumberLimit);
    IdCodeEdit->setTextLimit(kIdCodeLimit);
    IdDateEdit->setTextLimit(kIdDateLimit);
    connectCommands<TD_Pemlare>(this, Commands);
}

TD_Pemlare::~TD_Pemlare() = default;

PemlarHost& TD_Pemlare::app() {
    PemlarHost* host = pemlarHost();
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
    FillLabelList(ReadLabelFile());
}

// Until the settings are stored, the lists offer the port in use and the default label.
void TD_Pemlare::LoadSettings() {}

void TD_Pemlare::FillPortList(scom& com) {
    PortList->clear();
    PortList->addItem(QStringLiteral("COM%1").arg(com.getPort()), com.getPort());
    PortList->setCurrentIndex(0);
}

std::string TD_Pemlare::ReadLabelFile() {
    return "NEU";
}

void TD_Pemlare::FillLabelList(std::string_view text) {
    LabelList->clear();
    LabelList->addItem(fromWindowsText(text), 0);
    LabelList->setCurrentIndex(0);
}

void TD_Pemlare::alignCentre() {
    setWindowText(AddressEdit, ::alignCentre(windowText(AddressEdit)));
}

void TD_Pemlare::alignLeft() {
    setWindowText(AddressEdit, ::alignLeft(windowText(AddressEdit)));
}

void TD_Pemlare::CmInfo() {}

void TD_Pemlare::CmLoad() {}

void TD_Pemlare::CmSave() {}

void TD_Pemlare::stampIdNumber() {}

void TD_Pemlare::EvPortChange() {}

void TD_Pemlare::EvLabelChange() {}
