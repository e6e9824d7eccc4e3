#pragma once
// The about box, which is also the start-up picture: a large picture, a logo and the
// credits. It goes away as soon as another window of the player becomes active.
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>

namespace player {

class FrmAbout : public QWidget {
    Q_OBJECT
public:
    FrmAbout(const QPixmap& picture, const QPixmap& logo, QWidget* parent = nullptr);

    // The click action of the panel's CmdAbout: shown without blocking the panel.
    void CmdAbout_Click();

    QLabel* ImgPicture = nullptr;
    QLabel* ImgLogo = nullptr;
    std::array<QLabel*, 8> LblCredit{};
    QLabel* LblSoundOutput = nullptr; // where the sound goes: driver and device, or why none
    // Shows the output on one line, shortened to fit with the whole text as its tooltip.
    void setSoundOutput(const QString& text);

protected:
    void changeEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void otherWindowActivated(QWindow* window);
};

} // namespace player
