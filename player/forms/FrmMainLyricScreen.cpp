// FrmMain: the lyric screen's size, its font and the font size controls.
#include "FrmLyric.h"
#include "FrmMain.h"
#include "lyricdata/LyricText.h"
#include "widgets/Twips.h"

#include <QFontDatabase>
#include <cmath>

namespace player {
namespace {

const std::array<QString, 10> kLyricFonts{QStringLiteral(".VnArial Narrow"),
                                          QStringLiteral(".VnTime"),
                                          QStringLiteral(".VnExotic"),
                                          QStringLiteral(".VnHelvetIns"),
                                          QStringLiteral("VNcompact"),
                                          QStringLiteral("VNswitzerlandCondensed"),
                                          QStringLiteral("VNswitzerlandCondBlack"),
                                          QStringLiteral("VNI-Revue"),
                                          QStringLiteral("VNI-Swiss-Condense"),
                                          QStringLiteral("SVNnew Century cond")};

const QColor kLampOff{128, 128, 128};
const QColor kLampOn{0, 255, 255};

bool fontInstalled(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

void setLampColour(QLabel* lamp, const QColor& colour) {
    lamp->setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
}

int32_t widthInTwips(const QWidget* widget) {
    return static_cast<int32_t>(std::lround(widget->width() * 1440.0 / widget->logicalDpiX()));
}

} // namespace

void FrmMain::SetDisplaySize(int16_t SetToMin, int32_t DsplH, int32_t DsplW) {
    if (SetToMin != False) {
        const auto left = static_cast<int>(std::rint((state_.FullWidth - state_.SmallWidth) / 2.0));
        const auto top =
            static_cast<int>(std::rint((state_.FullHeight - state_.SmallHeight) / 2.0));
        lyric_.showNormal();
        placeInTwips(&lyric_, left, top, DsplW, DsplH);
    } else if (lyric_.isVisible()) {
        lyric_.showMaximised();
    }
    state_.DisplayHeight = DsplH;
    state_.DisplayWidth = DsplW;
    for (QWidget* image :
         std::initializer_list<QWidget*>{lyric_.Image1, lyric_.Image2, lyric_.Image3})
        placeInTwips(image, 0, 0, DsplW, DsplH);
    state_.LyricRowTop = DsplH - DsplH / 4;

    const int32_t left = (state_.DisplayWidth - widthInTwips(lyric_.LblTit[0])) / 2;
    for (QLabel* title : lyric_.LblTit)
        title->move(twipsToPixels(left, title), title->y());
}

void FrmMain::ImgFont_Click(int16_t index) {
    CmdFont_Click(index);
}

void FrmMain::CmdFont_Click(int16_t index) {
    if (index < 0 || index >= static_cast<int16_t>(kLyricFonts.size())) {
        LblVersion->setText(QStringLiteral("Invalid index."));
        return;
    }
    const QString& name = kLyricFonts[static_cast<size_t>(index)];
    // Qt draws any family name with a stand-in font; only a listed family is the real one.
    if (!fontInstalled(name)) {
        LblVersion->setText(name + QStringLiteral(" not installed."));
        return;
    }
    for (QLabel* title : lyric_.LblTit) {
        const QString caption = trimSpaces(title->text());
        QFont font = title->font();
        font.setFamily(name);
        title->setFont(font);
        title->setAlignment(Qt::AlignCenter);
        if (!caption.isEmpty()) {
            title->setText(QStringLiteral("."));
            title->setText(caption);
        }
    }
    lyric_.Image1->setFontFamily(name);
    LblVersion->setText(name);
}

void FrmMain::CmdUpSize_Click() {
    if (state_.FontSizeIndex >= 4)
        return;
    ++state_.FontSizeIndex;
    chooseFontSize();
}

void FrmMain::CmdDnSize_Click() {
    if (state_.FontSizeIndex <= 0)
        return;
    --state_.FontSizeIndex;
    chooseFontSize();
}

void FrmMain::chooseFontSize() {
    const int32_t points = state_.FontSizes[static_cast<size_t>(state_.FontSizeIndex)];
    lyric_.Image1->setFontSize(points);
    LblVersion->setText(QStringLiteral("Font Size =  %1").arg(points));
    state_.AutoLyricResize = False;
    setLampColour(LblAutoLSizeLed, kLampOff);
}

void FrmMain::CmdAutoLSize_Click() {
    if (state_.AutoLyricResize != False) {
        state_.AutoLyricResize = False;
        lyric_.Image1->setFontSize(state_.FontSizes[static_cast<size_t>(state_.FontSizeIndex)]);
        setLampColour(LblAutoLSizeLed, kLampOff);
        LblVersion->setText(QStringLiteral("Auto Lyric Resize is now OFF"));
    } else {
        state_.AutoLyricResize = True;
        setLampColour(LblAutoLSizeLed, kLampOn);
        LblVersion->setText(QStringLiteral("Auto Lyric Resize is now ON"));
    }
}

} // namespace player
