#include <gtest/gtest.h>

#include <filesystem>

#include "base/user_folders.h"
#include "tests/support/scoped_environment.h"

using namespace pemlar;

namespace {

using std::filesystem::path;

TEST(UserFolders, XdgFoldersThenTheHomeFolder) {
    const struct {
        const char* xdg;   // both XDG_CONFIG_HOME and XDG_DATA_HOME
        const char* home;  // HOME
        path config;
        path data;
    } cases[] = {
        {"/x", "/home/t", "/x", "/x"},
        {"rel/x", "/home/t", "/home/t/.config", "/home/t/.local/share"},  // relative: ignored
        {"", "/home/t", "/home/t/.config", "/home/t/.local/share"},
        {nullptr, "/home/t", "/home/t/.config", "/home/t/.local/share"},
        {nullptr, "", "", ""},
        {"rel/x", nullptr, "", ""},
    };
    for (const auto& c : cases) {
        const ScopedEnvironment config("XDG_CONFIG_HOME", c.xdg);
        const ScopedEnvironment data("XDG_DATA_HOME", c.xdg);
        const ScopedEnvironment home("HOME", c.home);
        const char* xdg = c.xdg != nullptr ? c.xdg : "(unset)";
        EXPECT_EQ(userConfigHome(), c.config) << xdg;
        EXPECT_EQ(userDataHome(), c.data) << xdg;
    }
}

// Without $HOME the account's folder from the user database stands in, if asked for.
TEST(UserFolders, WithoutHomeTheAccountsFolderIfAsked) {
    const ScopedEnvironment config("XDG_CONFIG_HOME", nullptr);
    const ScopedEnvironment home("HOME", nullptr);
    EXPECT_EQ(userConfigHome(WithoutHome::Nothing), path());
    const path account = userConfigHome(WithoutHome::AccountFolder);
    EXPECT_TRUE(account.is_absolute()) << account;
    EXPECT_EQ(account.filename(), ".config");
}

}  // namespace
