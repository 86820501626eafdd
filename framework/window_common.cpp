#include "framework/controls.h"
#include "framework/window.h"

namespace pemlar::fw {

Window::~Window() = default;
Control::~Control() = default;

}  // namespace pemlar::fw
