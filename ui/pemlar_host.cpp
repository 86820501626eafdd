#include "ui/pemlar_host.h"

#include <QCoreApplication>

namespace pemlar {

PemlarHost* currentHost() {
    return dynamic_cast<PemlarHost*>(QCoreApplication::instance());
}

}  // namespace pemlar
