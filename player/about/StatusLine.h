#pragma once
// Gives the panel's status label LblVersion its behaviour: every new caption is coloured by
// statusTextColour, and a double click shows the lyric screen's size. A lasting notice
// (the player cannot make sound, say) comes back a few seconds after any other caption
// took its place, so it is never lost under the texts of loading a song. The label is set by
// every Part of the player; its new caption is noticed when the label is next painted,
// which is before anyone can see it.
#include "state/PlayerState.h"

#include <QLabel>
#include <QObject>
#include <QTimer>

namespace player {

class StatusLine : public QObject {
    Q_OBJECT
public:
    StatusLine(QLabel& LblVersion, const PlayerState& state);

    void LblVersion_DblClick();
    // Colours the caption now if it changed since it was coloured last.
    void follow();
    // Shows the notice now and keeps coming back to it; an empty text ends it.
    void setLastingNotice(const QString& notice);
    const QString& lastingNotice() const { return notice_; }

    static constexpr int kBackToNoticeMs = 6000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel& LblVersion_;
    const PlayerState& state_;
    QString coloured_;
    QString notice_;
    QTimer backToNotice_;
};

} // namespace player
