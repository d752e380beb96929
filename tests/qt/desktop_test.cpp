// The program's place on the desktop: Qt's own texts in Japanese, the browser, the drives of the file
// panel.
#include "qt/desktop.h"
#include "qt/translation.h"
#include "qt/file_panel.h"
#include "tools/temp_dir.h"

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string joined(const QStringList& list) {
    return list.join(" ").toStdString();
}

TEST(Desktop, StandardButtonsSpeakJapanese) {
    ASSERT_TRUE(load_qt_japanese());
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "&Yes").contains(QString::fromUtf8("はい")));
    EXPECT_TRUE(QCoreApplication::translate("QPlatformTheme", "&No").contains(QString::fromUtf8("いいえ")));
}

// The help page's browser comes through xdg-open, which ends with a failure when it finds no browser:
// that must come back as a browser that could not be started, so that the player is told.
TEST(Desktop, ABrowserIsReportedOnlyWhenXdgOpenFoundOne) {
    TempDir dir;
    const std::string path = std::getenv("PATH");
    setenv("PATH", (dir.path().string() + ":" + path).c_str(), 1);
    const struct {
        const char* script;
        bool opened;
    } rows[] = {
        {"exit 0", true},       // a desktop's opener handed the page over
        {"exit 3", false},      // no browser found
        {"exit 4", false},      // the browser failed
        {"exec sleep 5", true}, // a browser still running when the patience ends
    };
    for (const auto& r : rows) {
        dir.write("xdg-open", std::string("#!/bin/sh\n") + r.script + "\n");
        std::filesystem::permissions(dir.path() / "xdg-open", std::filesystem::perms::owner_all);
        EXPECT_EQ(open_in_browser("/nowhere/Tessora.htm", 300), r.opened) << r.script;
    }
    setenv("PATH", path.c_str(), 1);
}

TEST(FilePanel, DrivesAreTheRootTheHomeFolderAndMountedMedia) {
    // Mounts as a container or a desktop shows them: pseudo file systems, files bound into a
    // sandbox, a snap, memory file systems under /mnt, and removable media.
    const QList<MountPoint> mounts{
        {"/", "ext4"},
        {"/proc", "proc"},
        {"/sys", "sysfs"},
        {"/sys/fs/cgroup", "cgroup2"},
        {"/dev", "devtmpfs"},
        {"/dev/shm", "tmpfs"},
        {"/run", "tmpfs"},
        {"/run/user/1000", "tmpfs"},
        {"/etc/hosts", "ext4"},
        {"/work", "ext4"},
        {"/home", "ext4"},
        {"/snap/a/12", "squashfs"},
        {"/mediaX", "ext4"},
        {"/mnt/sandbox/env/python", "tmpfs"},
        {"/mnt/data", "ext4"},
        {"/mnt", "nfs"},
        {"/media/me/STICK/", "vfat"},
        {"/run/media/me/CARD", "exfat"},
    };
    EXPECT_EQ(joined(user_drives(mounts, "/home/me")),
              "/ /home/me /media/me/STICK /mnt /mnt/data /run/media/me/CARD");
    EXPECT_EQ(joined(user_drives({{"/", "ext4"}}, "/")), "/");
}

} // namespace
