#include "FrmAbout.h"

#include "widgets/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace player {
namespace {

struct Credit {
    int top;
    const char* text;
    bool name;
};

constexpr std::array<Credit, 8> kCredits{{
    {660, "Player, lyric screen and shell", false},
    {960, "The melodeck developers", true},
    {1260, "with the lyric extractor and the transposer", false},
    {1860, "Sound", false},
    {2160, "FluidSynth, General MIDI sounds", true},
    {2760, "Skin, pictures and demo songs", false},
    {3060, "Made by scripts in the source tree", true},
    {3660, "Free software for singing at home", false},
}};

} // namespace

FrmAbout::FrmAbout(const QPixmap& picture, const QPixmap& logo, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("About Box"));
    setFixedSize(twipsToPixels(8385, this), twipsToPixels(4140, this));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFocusPolicy(Qt::StrongFocus);

    ImgPicture = new QLabel(this);
    ImgPicture->setFrameStyle(QFrame::Box | QFrame::Plain);
    ImgPicture->setScaledContents(true);
    ImgPicture->setPixmap(picture);
    placeInTwips(ImgPicture, 60, 60, 4020, 4020);

    ImgLogo = new QLabel(this);
    ImgLogo->setScaledContents(true);
    ImgLogo->setPixmap(logo);
    placeInTwips(ImgLogo, 180, 420, 2430, 525);

    for (size_t i = 0; i < kCredits.size(); ++i) {
        auto* line = new QLabel(QString::fromUtf8(kCredits[i].text), this);
        line->setAlignment(Qt::AlignCenter);
        QFont font = line->font();
        font.setBold(kCredits[i].name);
        line->setFont(font);
        placeInTwips(line, 4200, kCredits[i].top, 4095, 285);
        LblCredit[i] = line;
    }

    // Under the sound credit, in the gap before the next one.
    LblSoundOutput = new QLabel(this);
    LblSoundOutput->setAlignment(Qt::AlignCenter);
    placeInTwips(LblSoundOutput, 4200, 2460, 4095, 285);

    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &FrmAbout::otherWindowActivated);
}

void FrmAbout::setSoundOutput(const QString& text) {
    LblSoundOutput->setToolTip(text);
    LblSoundOutput->setText(LblSoundOutput->fontMetrics().elidedText(text, Qt::ElideRight,
                                                                     LblSoundOutput->width()));
}

void FrmAbout::CmdAbout_Click() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
}

void FrmAbout::otherWindowActivated(QWindow* window) {
    // At start-up the box may never have been active itself: the panel's first activation
    // is what sends it away.
    if (window != nullptr && window != windowHandle())
        hide();
}

void FrmAbout::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        hide();
}

void FrmAbout::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    hide();
}

} // namespace player
