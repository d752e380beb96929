// Preferences beyond the four options live in the user's config folder, never beside Tessora.ini.
#include "qt/desktop.h"
#include "tools/temp_dir.h"

#include <QString>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

TEST(Preferences, AreKeptInTheConfigFolderAndNotInTheSettingsFolder) {
    TempDir dir; // the current folder, where Tessora.ini would be
    const std::string config = (dir.path() / "config").string();
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    set_preference("window/size", "900x800");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(preference("window/size").toString(), "900x800");
    EXPECT_NE(dir.read("config/tessora/tessora.conf").find("900x800"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1); // only config/
}
