#pragma once
// Lets a test mount a full or read-only file system without touching the machine's own
// mounts: the body runs in a forked child inside a private mount namespace (as root, or
// as a mapped root in a new user namespace where that is allowed).

#include <functional>
#include <string>

namespace pemlar {

struct PrivateMountOutcome {
    bool available = false;  // false: private mounts are not possible here
    std::string detail;      // why not, or the body's failure ("" = passed)
};

// Runs body in the child and reports what it returned: "" for success, else a
// description of what went wrong.
PrivateMountOutcome runWithPrivateMounts(const std::function<std::string()>& body);

// For use inside the body. Each returns "" on success, else the error.
std::string mountTmpfs(const std::string& dir, const std::string& options);
// Bind-mount path (a folder or a file) onto itself, read-only or writable; a writable
// file inside a read-only folder can be changed in place, but nothing can be created
// beside it.
std::string remountReadOnly(const std::string& path);
std::string remountWritable(const std::string& path);

// Writes a filler file into dir until the file system has no space left.
void fillUp(const std::string& dir);

// A body's skip request: returned text that begins with this is reported as "not
// available" rather than as a failure.
inline constexpr char kUnavailablePrefix[] = "unavailable: ";

}  // namespace pemlar
