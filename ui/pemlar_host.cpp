#include "ui/pemlar_host.h"

#include <QCoreApplication>

namespace pemlar {

PemlarHost* pemlarHost() {
    return dynamic_cast<PemlarHost*>(QCoreApplication::instance());
}

}  // namespace pemlar
