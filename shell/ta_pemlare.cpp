#include "shell/ta_pemlare.h"

#include "framework/resources.h"
#include "link/port_scan.h"
#include "link/scom.h"
#include "shell/td_infoueber.h"
#include "shell/tf_pemlare.h"
#include "ui/td_pemlare.h"

namespace pemlar {

namespace {

constexpr std::size_t kCaptionMaxChars = 99;

}  // namespace

std::int32_t initialPort(scom& com, const PortResolver& devices, const PortIdentifier& identify) {
    for (std::int32_t n = 1; n <= 4; ++n) {
        if (devices) {
            const std::optional<ScannedPort> port = presentPort(devices, identify, n);
            if (!port || !port->identity.withheld.empty()) {
                continue;
            }
        }
        if (com.probe(n)) {
            return n;
        }
    }
    return 1;
}

TA_Pemlare::TA_Pemlare(int& argc, char** argv, PortResolver resolver)
    : fw::Application(argc, argv),
      pins_(std::make_unique<PortPins>(std::move(resolver))),
      com_(std::make_unique<scom>(1,
                                  [pins = pins_.get()](std::int32_t n) { return pins->pin(n); })) {
    com_->setPort(initialPort(*com_, pins_->resolver(), systemPortIdentifier()));
    // A write before any read still sends a well-formed page.
    setDefaults(storedImage_);
    updateChecksums(storedImage_);
}

TA_Pemlare::~TA_Pemlare() {
    com_.reset();
    mainWindow_.reset();
    pins_.reset();
}

void TA_Pemlare::InitMainWindow() {
    const std::string caption = fw::loadString(kProgramTitleString).substr(0, kCaptionMaxChars);
    mainWindow_ = std::make_unique<TF_Pemlare>(caption, std::make_unique<TD_Pemlare>());
    mainWindow_->setIcon(kProgramIcon);
}

int TA_Pemlare::Run() {
    InitMainWindow();
    mainWindow_->create();
    return exec(*mainWindow_);
}

void TA_Pemlare::RunAboutBox(fw::Window* owner) {
    TD_InfoUeber box(owner, kAboutDialog, kNameBitmap, kVersionString, true);
    box.runModal();
}

}  // namespace pemlar
