#pragma once
// The main dialog with its link to the simulated instrument, mapped as a COM port in a
// folder of its own; pauses take no time, the read and write deadlines are real.

#include <memory>
#include <string>
#include <vector>

#include "data/eeprom_image.h"
#include "framework/resource_ids.h"
#include "link/scom.h"
#include "main_window_fixture.h"
#include "tests/support/fake_clock.h"
#include "tests/support/simulated_com_port.h"
#include "tests/ui/test_application.h"
#include "tests/ui/ui_text.h"
#include "ui/pemlar_host.h"

namespace pemlar {

// Defaults from fixed sources, checksums current: what the application starts with.
inline EepromImage startImage() {
    EepromImage image{};
    setDefaults(image, {.secondsSinceEpoch = [] { return 1700000000u; },
                        .fillerByte = [] { return std::uint8_t{0x5A}; }});
    updateChecksums(image);
    return image;
}

class TransferTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        stored() = startImage();
        useLink(port.comNumber(), port.resolver());
    }
    void TearDown() override {
        useTestLink(nullptr);
        MainWindowTest::TearDown();
    }

    scom& comLink() { return currentHost()->Com(); }
    EepromImage& stored() { return currentHost()->StoredImage(); }
    void useLink(std::int32_t comNumber, PortResolver resolver,
                 SerialPortFactory ports = systemSerialPortFactory()) {
        useTestLink(std::make_unique<scom>(comNumber, std::move(resolver), instantClock(),
                                           std::move(ports)));
    }

    // Clicks the button. The windows it brings up must have been answered in advance.
    void press(int button) { driver::click(*dialog, button); }

    // The prompts answered so far, by template id.
    static std::vector<int> prompts() {
        std::vector<int> shown;
        for (const SeamCall& call : test_seams::answeredCalls()) {
            if (call.kind == SeamKind::ModalDialog) {
                shown.push_back(call.id);
            }
        }
        return shown;
    }

    // The five lines and the three ID fields as the user sees them (UTF-8, '\n').
    std::string addressShown() { return shownText(edit(kAddressEdit).text()); }
    std::vector<std::string> idShown() {
        return {shownText(edit(kIdNumberEdit).text()), shownText(edit(kIdCodeEdit).text()),
                shownText(edit(kIdDateEdit).text())};
    }
    void typeAddress(const std::string& utf8) { edit(kAddressEdit).setChars(editChars(utf8)); }
    void setId(const std::string& number, const std::string& code, const std::string& date) {
        edit(kIdNumberEdit).setText(windowsText(number));
        edit(kIdCodeEdit).setText(windowsText(code));
        edit(kIdDateEdit).setText(windowsText(date));
    }

    SimulatedComPort port;
};

// What the demo instrument holds, as the edits show it.
inline const std::string kDemoAddress =
    "Stadtwerke Münster\nAbt. Messtechnik\nHafenstraße 12\n48153 Münster\nTel. 0251 / 4 71 12";
inline const std::vector<std::string> kDemoId = {"  PM-0815-42", "KAL", "0324"};

}  // namespace pemlar
