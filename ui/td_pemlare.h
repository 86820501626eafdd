#pragma once
// The program's one working window, built from template 1000 and placed as the frame's
// client. Every user action arrives here as a command of its command table.

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/qt/command_table.h"
#include "framework/qt/template_dialog.h"
#include "ui/settings_store.h"

class QComboBox;

namespace pemlar {

class PemlarHost;
class TemplateTextEdit;
class scom;

class TD_Pemlare : public TemplateDialog {
    Q_OBJECT
public:
    explicit TD_Pemlare(QWidget* parent = nullptr);
    ~TD_Pemlare() override;

protected:
    // Reads the settings, fills the port list, empties the four edits and fills the
    // label list, in this order.
    void Setup() override;

private:
    // The running application (checked downcast of qApp).
    static PemlarHost& app();

    // Settings and lists. A store that can't be opened or written is reported with the
    // plain platform message box and its fixed English warning.
    void LoadSettings();
    void SavePortSetting();
    void SaveLabelSetting();
    void ShowSettingsWarning(SettingsWarning warning);
    void FillPortList(scom& com);
    std::string labelFileText();
    void FillLabelList(std::string_view text);

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
    void EvLabelChange();

    static const std::array<CommandEntry<TD_Pemlare>, 10> Commands;

    std::int32_t SelectedPort = 0;   // persisted as "Selcted_Com"; 0 = none stored
    std::int32_t SelectedLabel = 0;  // persisted as "Selcted_Lab"
    // Set by the first "&Auslesen " that went through. Until then the ID edits and the
    // rest of the stored page know nothing of the instrument, so a write fetches them
    // from it first.
    bool AddressRead = false;
    TemplateTextEdit* AddressEdit;   // kAddressEdit
    TemplateTextEdit* IdNumberEdit;  // kIdNumberEdit
    TemplateTextEdit* IdCodeEdit;    // kIdCodeEdit
    TemplateTextEdit* IdDateEdit;    // kIdDateEdit
    QComboBox* PortList;             // kPortList
    QComboBox* LabelList;            // kLabelList
};

}  // namespace pemlar
