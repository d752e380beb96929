#include "qt/form2.h"

#include "platform/translate.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QHBoxLayout>

Form2::Form2(const QImage& picture, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromStdString(translate("Version", "バージョン情報")));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* face = new QLabel(this);
    if (!picture.isNull()) {
        face->setPixmap(QPixmap::fromImage(picture));
    } else {
        face->setText("Tessora");
    }
    layout->addWidget(face);
    auto* buttons = new QHBoxLayout;
    auto* command1 = new QPushButton(QString::fromStdString(translate("Version", "ホームページ")), this);
    auto* command2 = new QPushButton(QString::fromStdString(translate("Version", "O K")), this);
    command2->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(command1);
    buttons->addWidget(command2);
    layout->addLayout(buttons);
    connect(command1, &QPushButton::clicked, this, [this] { done(HomePage); });
    connect(command2, &QPushButton::clicked, this, [this] { done(Ok); });
    setFixedSize(sizeHint());
}
