#include "ui/pemlar_host.h"

#include "framework/application.h"

namespace pemlar {

PemlarHost* currentHost() {
    return dynamic_cast<PemlarHost*>(fw::Application::instance());
}

}  // namespace pemlar
