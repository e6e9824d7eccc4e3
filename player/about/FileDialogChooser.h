#pragma once
// The system's file-open dialog with the player's title and song filters.
#include "SongChooser.h"

class QWidget;

namespace player {

class FileDialogChooser : public SongChooser {
public:
    explicit FileDialogChooser(QWidget* parent = nullptr) : parent_(parent) {}
    SongChoice chooseSong(const QString& startFolder) override;

private:
    QWidget* parent_;
};

} // namespace player
