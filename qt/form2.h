// The version dialog: the version picture, "ホームページ" and "O K".
#pragma once

#include <QDialog>
#include <QImage>

class Form2 : public QDialog {
    Q_OBJECT
  public:
    enum Result { Closed = 0, HomePage = 1, Ok = 2 };
    Form2(const QImage& picture, QWidget* parent);
};
