#include "FileDialogChooser.h"

#include <QFileDialog>

namespace player {

SongChoice FileDialogChooser::chooseSong(const QString& startFolder) {
    QFileDialog dialog(parent_, QStringLiteral("Open Didizir/Midi Files"), startFolder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's dialog matches these patterns without regard to letter case.
    dialog.setNameFilters(
        {QStringLiteral("Didizir Files (*.kar)"), QStringLiteral("Midi Files(*.mid)")});
    if (dialog.exec() != QDialog::Accepted)
        return {SongChoice::Outcome::Cancelled, {}};
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty())
        return {SongChoice::Outcome::NoName, {}};
    return {SongChoice::Outcome::Chosen, path};
}

} // namespace player
