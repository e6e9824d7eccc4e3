#pragma once
// A list of the files of one folder that match a set of patterns, such as "*.kar;*.mid".
// Patterns match without regard to letter case and the list is sorted the same way, as
// users of song collections expect; entries are bare file names.
#include <QDir>
#include <QListWidget>

namespace player {

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    FileListBox(const QString& patterns, QWidget* parent = nullptr);

    // Lists the folder again; nothing is selected afterwards. The folder is the current
    // folder when the list is first read, unless set before.
    void refresh();
    void setFolder(const QString& folder) { folder_ = folder; }
    const QString& folder() const { return folder_; }

    int listCount() const { return count(); }
    // -1 when nothing is selected.
    int listIndex() const { return currentRow(); }
    void setListIndex(int index) { setCurrentRow(index); }
    // The selected entry's file name, or "" when nothing is selected.
    QString fileName() const;

signals:
    // Return or Enter pressed on the list: both list windows take it as their Select button.
    void returnPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStringList patterns_;
    QString folder_;
};

} // namespace player
