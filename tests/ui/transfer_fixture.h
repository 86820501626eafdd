#pragma once
// The main dialog with its link to the simulated instrument, mapped as a COM port in a
// folder of its own; pauses take no time, the read and write deadlines are real.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
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

    // Clicks the button. A window that nobody answered would wait for a user that never
    // comes: it fails the test and is closed instead.
    void press(int button) {
        QTimer watchdog;
        watchdog.setInterval(3000);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                ADD_FAILURE() << "unanswered message: " << box->text().toStdString();
                box->close();
            } else if (auto* prompt = qobject_cast<QDialog*>(modal);
                       prompt != nullptr && prompt->objectName() != "dialog2001" &&
                       prompt->objectName() != "dialog2003") {
                ADD_FAILURE() << "unanswered prompt: " << prompt->windowTitle().toStdString();
                prompt->reject();
            }
        });
        watchdog.start();
        control<QAbstractButton>(button)->click();
    }

    // The message boxes shown so far, as "caption: text".
    static std::vector<std::string> messages() {
        std::vector<std::string> shown;
        for (const SeamCall& call : test_seams::answeredCalls()) {
            if (call.kind == SeamKind::MessageBox) {
                shown.push_back((call.caption + QStringLiteral(": ") + call.text).toStdString());
            }
        }
        return shown;
    }
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

    // The five lines and the three ID fields as the user sees them.
    QString addressShown() { return widgetText(control(kAddressEdit)); }
    QStringList idShown() {
        return {widgetText(control(kIdNumberEdit)), widgetText(control(kIdCodeEdit)),
                widgetText(control(kIdDateEdit))};
    }
    void typeAddress(const QString& text) { setWidgetText(control(kAddressEdit), text); }
    void setId(const QString& number, const QString& code, const QString& date) {
        setWidgetText(control(kIdNumberEdit), number);
        setWidgetText(control(kIdCodeEdit), code);
        setWidgetText(control(kIdDateEdit), date);
    }

    SimulatedComPort port;
};

// What the demo instrument holds, as the edits show it.
inline const QString kDemoAddress = QStringLiteral(
    "Stadtwerke Münster\nAbt. Messtechnik\nHafenstraße 12\n48153 Münster\nTel. 0251 / 4 71 12");
inline const QStringList kDemoId = {QStringLiteral("  PM-0815-42"), QStringLiteral("KAL"),
                                    QStringLiteral("0324")};

}  // namespace pemlar
