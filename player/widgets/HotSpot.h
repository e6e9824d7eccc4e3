#pragma once
// A transparent label over the panel's picture that acts on a click.
#include <QLabel>

namespace player {

class HotSpot : public QLabel {
    Q_OBJECT
public:
    HotSpot(const QString& toolTip, QWidget* parent);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace player
