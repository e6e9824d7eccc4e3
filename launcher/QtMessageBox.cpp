#include "QtMessageBox.h"

#include <QMessageBox>

void QtMessageBox::show(const std::string& title, const std::string& text, Icon icon) {
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}
