#include "FileListBox.h"

#include <QKeyEvent>
#include <algorithm>

namespace player {

FileListBox::FileListBox(const QString& patterns, QWidget* parent)
    : QListWidget(parent), patterns_(patterns.split(u';', Qt::SkipEmptyParts)) {}

void FileListBox::refresh() {
    if (folder_.isEmpty())
        folder_ = QDir::currentPath();
    QDir dir(folder_);
    dir.setNameFilters(patterns_);
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList names = dir.entryList(); // name filters ignore case
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    clear();
    addItems(names);
}

QString FileListBox::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item != nullptr ? item->text() : QString();
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit returnPressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace player
