// Windows has no mount namespaces: every test that needs one skips.
#include "tests/support/private_mount.h"

namespace pemlar {

namespace {
const std::string kNone = std::string(kUnavailablePrefix) + "no private mounts on Windows";
}  // namespace

PrivateMountOutcome runWithPrivateMounts(const std::function<std::string()>&) {
    return {false, kNone};
}
std::string mountTmpfs(const std::string&, const std::string&) {
    return kNone;
}
std::string remountReadOnly(const std::string&) {
    return kNone;
}
std::string remountWritable(const std::string&) {
    return kNone;
}
void fillUp(const std::string&) {}

}  // namespace pemlar
