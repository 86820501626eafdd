#include "ui/pemlar_host.h"

#include <QCoreApplication>

PemlarHost* pemlarHost() {
    return dynamic_cast<PemlarHost*>(QCoreApplication::instance());
}
