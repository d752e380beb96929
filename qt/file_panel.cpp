#include "qt/file_panel.h"

#include "control/record_commands.h"
#include "platform/folders.h"
#include "platform/translate.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QWidget>

namespace {

const char* const kUp = "..";

void light_yellow(QWidget* w) {
    w->setStyleSheet("background-color: rgb(255, 255, 192); color: black;");
}

} // namespace

void place_in_twips(QWidget* control, const QRect& twips) {
    control->setProperty("twips", twips);
    control->setGeometry(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
}

QStringList user_drives(const QList<MountPoint>& mounts, const QString& home) {
    static const QByteArrayList kNotVolumes = {"tmpfs",  "ramfs",   "devtmpfs", "proc",    "sysfs",
                                               "devpts", "cgroup",  "cgroup2",  "overlay", "squashfs",
                                               "autofs", "fusectl", "nsfs",     "tracefs", "debugfs"};
    QStringList drives{"/"};
    if (!home.isEmpty()) drives << QDir::cleanPath(home);
    QStringList media;
    for (const MountPoint& m : mounts) {
        if (kNotVolumes.contains(m.type)) continue;
        const QString p = QDir::cleanPath(m.root);
        for (const char* top : {"/media", "/mnt", "/run/media"}) {
            const QString t = QString::fromLatin1(top);
            if (p == t || p.startsWith(t + '/')) media << p;
        }
    }
    media.sort();
    drives << media;
    drives.removeDuplicates();
    return drives;
}

FilePanel::FilePanel(QWidget* parent) : QObject(parent) {
    drive1_ = new QComboBox(parent);
    place_in_twips(drive1_, QRect(240, 360, 2535, 300));
    dir1_ = new QListWidget(parent);
    place_in_twips(dir1_, QRect(240, 600, 2535, 1710));
    file1_ = new QListWidget(parent);
    place_in_twips(file1_, QRect(240, 2280, 2535, 930));
    for (QWidget* w :
         {static_cast<QWidget*>(drive1_), static_cast<QWidget*>(dir1_), static_cast<QWidget*>(file1_)})
        light_yellow(w);

    const int label_tops[4] = {3120, 2880, 2640, 2400};
    for (int i = 0; i < 4; ++i) {
        labels_[i] = new QLabel(parent);
        place_in_twips(labels_[i], QRect(120, label_tops[i], 855, 255));
        labels_[i]->setAutoFillBackground(true);
    }
    const int box_tops[5] = {0, 3120, 2400, 2640, 2880}; // Text1 .. Text4
    texts_[0] = nullptr;
    for (int i = 1; i <= 4; ++i) {
        texts_[i] = new QLineEdit(parent);
        place_in_twips(texts_[i], QRect(960, box_tops[i], 2295, 270));
        light_yellow(texts_[i]);
    }
    command1_ = new QPushButton("RETURN", parent);
    place_in_twips(command1_, QRect(3360, 3360, 855, 375));

    connect(command1_, &QPushButton::clicked, this, [] { Command1_Click(); });
    connect(texts_[1], &QLineEdit::returnPressed, this, [] { Command1_Click(); });
    connect(drive1_, &QComboBox::activated, this, [this](int index) {
        if (filling_) return;
        const QString root = drive1_->itemData(index).toString();
        Drive1_Change(root.toStdString());
    });
    connect(dir1_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString name = item->data(Qt::UserRole).toString();
        if (name.isEmpty()) return;
        const QString target =
            name == kUp ? QDir(folder_).absoluteFilePath("..") : QDir(folder_).filePath(name);
        Dir1_Change(QDir::cleanPath(target).toStdString());
    });
    connect(file1_, &QListWidget::itemClicked, this,
            [](QListWidgetItem* item) { File1_Click(item->text().toStdString()); });

    recaption();
    set_folder(QString::fromStdString(settings_folder()));
    show_lists(false, false, false);
    show_io(false);
}

void FilePanel::recaption() {
    const std::string captions[4] = {translate("Files", "ﾌｧｲﾙ名 ："), translate("Files", "後    手 ："),
                                     translate("Files", "先    手 ："), translate("Files", "対 局 名：")};
    for (int i = 0; i < 4; ++i) labels_[i]->setText(QString::fromStdString(captions[i]));
}

void FilePanel::show_lists(bool drive, bool folder, bool file) {
    if (drive) fill_drives();
    drive1_->setVisible(drive);
    dir1_->setVisible(folder);
    file1_->setVisible(file);
}

void FilePanel::show_io(bool visible) {
    for (QLabel* l : labels_) l->setVisible(visible);
    for (int i = 1; i <= 4; ++i) texts_[i]->setVisible(visible);
    command1_->setVisible(visible);
}

QString FilePanel::text(TextBox box) const {
    return texts_[static_cast<int>(box)]->text();
}

void FilePanel::set_text(TextBox box, const QString& text) {
    texts_[static_cast<int>(box)]->setText(text);
}

void FilePanel::set_folder(const QString& path) {
    folder_ = QDir(path).absolutePath();
    fill_folders();
    refresh_files();
}

void FilePanel::refresh_files() {
    file1_->clear();
    const QStringList names = QDir(folder_).entryList(
        {QString::fromUtf8("*.棋譜"), QString::fromUtf8("*.kifu")}, QDir::Files, QDir::Name);
    file1_->addItems(names);
}

void FilePanel::fill_drives() {
    filling_ = true;
    drive1_->clear();
    int current = -1;
    int best = -1;
    QList<MountPoint> mounts;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        mounts.append({v.rootPath(), v.fileSystemType()});
    for (const QString& root : user_drives(mounts, QDir::homePath())) {
        drive1_->addItem(root, root);
        // The drive holding the current folder is the one with the longest matching root.
        const bool holds = root == "/" || folder_ == root || folder_.startsWith(root + '/');
        if (holds && root.size() > best) {
            best = static_cast<int>(root.size());
            current = drive1_->count() - 1;
        }
    }
    if (current >= 0) drive1_->setCurrentIndex(current);
    filling_ = false;
}

void FilePanel::fill_folders() {
    dir1_->clear();
    auto* here = new QListWidgetItem(folder_, dir1_);
    QFont bold = dir1_->font(); // the list's, which follows the canvas's scale
    bold.setBold(true);
    here->setFont(bold);
    if (!QDir(folder_).isRoot()) {
        auto* up = new QListWidgetItem(QString::fromUtf8("↑ .."), dir1_);
        up->setData(Qt::UserRole, kUp);
    }
    for (const QString& name : QDir(folder_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* item = new QListWidgetItem(QString::fromUtf8("  ") + name, dir1_);
        item->setData(Qt::UserRole, name);
    }
}
