#pragma once
// Gives the panel's status label LblVersion its behaviour: every new caption is coloured by
// statusTextColour, and a double click shows the lyric screen's size. The label is set by
// every Part of the player; its new caption is noticed when the label is next painted,
// which is before anyone can see it.
#include "state/PlayerState.h"

#include <QLabel>
#include <QObject>

namespace player {

class StatusLine : public QObject {
    Q_OBJECT
public:
    StatusLine(QLabel& LblVersion, const PlayerState& state);

    void LblVersion_DblClick();
    // Colours the caption now if it changed since it was coloured last.
    void follow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel& LblVersion_;
    const PlayerState& state_;
    QString coloured_;
};

} // namespace player
