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
    // Mount points as a container or a desktop shows them: pseudo file systems, files bound into a
    // sandbox, a snap, and removable media.
    const QStringList mounts{"/",
                             "/proc",
                             "/sys",
                             "/sys/fs/cgroup",
                             "/dev",
                             "/dev/shm",
                             "/run",
                             "/run/user/1000",
                             "/etc/hosts",
                             "/work",
                             "/tmp",
                             "/snap/a/12",
                             "/mediaX",
                             "/run/media/me/CARD",
                             "/mnt/data",
                             "/mnt",
                             "/media/me/STICK/",
                             "/home"};
    EXPECT_EQ(joined(user_drives(mounts, "/home/me")),
              "/ /home/me /media/me/STICK /mnt /mnt/data /run/media/me/CARD");
    EXPECT_EQ(joined(user_drives({"/"}, "/")), "/");
}

} // namespace
