// The program's place on the desktop: Qt's own texts in Japanese, the drives of the file panel.
#include "qt/translation.h"
#include "qt/file_panel.h"

#include <QCoreApplication>
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
