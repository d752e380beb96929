// The record-file panel: drive, folder and file lists, four labels, four text boxes and "RETURN",
// placed over the left edge of the board at their twip positions.
#pragma once

#include "platform/platform.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QRect;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// A mounted file system: where it is mounted and its type ("ext4", "vfat", "tmpfs" ...).
struct MountPoint {
    QString root;
    QByteArray type;
};

// The drives offered for the mounted file systems: the root, the home folder, and the volumes
// mounted under /media, /mnt and /run/media (removable media), in that order. Pseudo and memory
// file systems and the bind mounts of containers and sandboxes are not drives a player keeps
// records on.
QStringList user_drives(const QList<MountPoint>& mounts, const QString& home);

// Places a control on the canvas at its twips (left, top, width, height); the window keeps them when
// the canvas is scaled.
void place_in_twips(QWidget* control, const QRect& twips);

class FilePanel : public QObject {
    Q_OBJECT
  public:
    explicit FilePanel(QWidget* parent);

    // The labels in the language now in use.
    void recaption();

    void show_lists(bool drive, bool folder, bool file);
    void show_io(bool visible);
    QString text(TextBox box) const;
    void set_text(TextBox box, const QString& text);
    QString folder() const { return folder_; }
    void set_folder(const QString& path);
    void refresh_files();

  private:
    void fill_drives();
    void fill_folders();

    QComboBox* drive1_;
    QListWidget* dir1_;
    QListWidget* file1_;
    QLabel* labels_[4];
    QLineEdit* texts_[5];
    QPushButton* command1_;
    QString folder_;
    bool filling_ = false;
};
