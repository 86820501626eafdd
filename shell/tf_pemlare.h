#pragma once
// The main window: a fixed-size frame around the main dialog.

#include <memory>
#include <string_view>

#include "framework/frame.h"

namespace pemlar {

class TW_Splash;

class TF_Pemlare : public fw::Frame {
public:
    TF_Pemlare(std::string_view caption, std::unique_ptr<fw::Dialog> client);
    ~TF_Pemlare() override;

    // The splash of this frame; null before Setup. It stays after it has gone away.
    TW_Splash* Splash() const { return splash_.get(); }

protected:
    // Runs once the main dialog's window exists.
    void Setup() override;

private:
    std::unique_ptr<TW_Splash> splash_;
};

}  // namespace pemlar
