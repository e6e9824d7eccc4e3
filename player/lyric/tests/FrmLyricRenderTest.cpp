// The lyric screen as the singer sees it: a demo song goes through the real extractor and
// plays on the FluidSynth device's manual clock, the status tick runs every 100 ms of song
// time, and the window is rendered on the offscreen platform at moments chosen from the
// lyric's own state. Lit and unlit colours must stand on the right rows, lit to the left.
#include "ManualClockDevice.h"
#include "PlayerFixture.h"
#include "device/DeviceMode.h"
#include "device/SoundFontChoice.h"
#include "lyric/LyricAdvance.h"

#include <QImage>
#include <cstdlib>
#include <filesystem>

using namespace player;
namespace fs = std::filesystem;

namespace {

// Where the pixels of one colour lie within one lyric row.
struct Ink {
    int pixels = 0;
    int left = 1 << 30;
    int right = -1;
};

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <=
           12;
}

struct Row {
    Ink sung;
    Ink unsung;
};

// The middle of the row, where the letters of its own line stand and no accent or
// descender of the row above or below reaches.
Row readRow(const QImage& screen, int topTwips) {
    Row row;
    const int top = (topTwips + 200) / 15;
    const int bottom = std::min(screen.height(), (topTwips + 500) / 15);
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const QColor c = screen.pixelColor(x, y);
            Ink* ink = near(c, LyricAdvance::kSung)     ? &row.sung
                       : near(c, LyricAdvance::kUnsung) ? &row.unsung
                                                        : nullptr;
            if (ink == nullptr)
                continue;
            ++ink->pixels;
            ink->left = std::min(ink->left, x);
            ink->right = std::max(ink->right, x);
        }
    return row;
}

class LyricScreenRender : public PlayerFixture<ManualClockDevice>,
                          public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        const char* built = std::getenv("MELODECK_APP_DIR");
        if (!built || !fs::exists(fs::path(built) / "textpull") ||
            !fs::exists(fs::path(built) / GetParam()))
            GTEST_SKIP() << "textpull or the demo songs are not built";
        ASSERT_TRUE(chooseSoundFont("")) << "the system GM SoundFont is missing";
        fs::create_symlink(fs::path(built) / "textpull", app / "textpull");
        fs::copy_file(fs::path(built) / GetParam(), app / GetParam());

        lyric.showMaximised();
        state.FullWidth = lyric.width() * 15;
        state.FullHeight = lyric.height() * 15;
        panel.SetDisplaySize(False, state.FullHeight, state.FullWidth);
        panel.TxtPathName->setText(GetParam());
        ASSERT_TRUE(waitFor([&] { return state.LyricReplyReceived != False; }));
        ASSERT_EQ(state.HasLyric, True);
        panel.PlaySong();
        ASSERT_EQ(device.mode(), ModePlaying);
    }

    // Plays on, 100 ms per status tick, until the lyric reaches the state asked for.
    bool playUntil(const std::function<bool()>& reached) {
        for (int tick = 0; tick < 3000; ++tick) {
            device.render(100);
            panel.StatusTick();
            if (reached())
                return true;
        }
        return false;
    }

    QImage screen() {
        const QImage shot = lyric.grab().toImage();
        if (const char* folder = std::getenv("MELODECK_TEST_SHOTS"))
            shot.save(QString::fromUtf8(folder) + u'/' + QString::fromLatin1(GetParam()) +
                      QStringLiteral("-%1.png").arg(device.position()));
        return shot;
    }

    bool lowerRowIsBeingSung() const {
        return state.LastRowUpper == False && state.LineReady == False &&
               !state.NextSyllable.empty() && state.NextSyllable.front() != '/' &&
               state.NextSyllable.front() != '\\';
    }
};

TEST_P(LyricScreenRender, LitAndUnlitColoursStandOnTheRightRows) {
    EXPECT_TRUE(lyric.LblTit[0]->isVisible()) << "the titles show until the first line";
    const Row before = readRow(screen(), state.UpperRowY);
    EXPECT_EQ(before.sung.pixels + before.unsung.pixels, 0);

    // A page is drawn ahead of its first syllable: unlit only, on the upper row.
    ASSERT_TRUE(playUntil([&] { return state.LineReady != False; }));
    EXPECT_FALSE(lyric.LblTit[0]->isVisible());
    QImage shot = screen();
    Row upper = readRow(shot, state.UpperRowY);
    EXPECT_GT(upper.unsung.pixels, 100);
    EXPECT_EQ(upper.sung.pixels, 0);
    EXPECT_EQ(readRow(shot, state.LowerRowY).sung.pixels, 0);

    // Its first syllables are lit from the left; the rest of the line stays unlit.
    ASSERT_TRUE(playUntil([&] { return state.LineReady == False && state.LastRowUpper != False; }));
    shot = screen();
    upper = readRow(shot, state.UpperRowY);
    EXPECT_GT(upper.sung.pixels, 20);
    EXPECT_LE(upper.sung.left, upper.unsung.left + 2);
    EXPECT_LT(upper.sung.right, upper.unsung.right - 20) << "only the first syllable is lit";
    EXPECT_EQ(readRow(shot, state.LowerRowY).sung.pixels, 0);

    // While the lower row is being sung the upper row is lit all along.
    ASSERT_TRUE(playUntil([&] { return lowerRowIsBeingSung(); }));
    shot = screen();
    upper = readRow(shot, state.UpperRowY);
    const Row lower = readRow(shot, state.LowerRowY);
    EXPECT_GT(upper.sung.right, upper.unsung.right - 8) << "the upper line is sung to its end";
    EXPECT_GT(lower.sung.pixels, 20);
    EXPECT_GT(lower.unsung.pixels, 20);
    EXPECT_LE(lower.sung.left, lower.unsung.left + 2);
}

// English, French in Latin-1 bytes, Vietnamese in UTF-8.
INSTANTIATE_TEST_SUITE_P(DemoSongs, LyricScreenRender,
                         ::testing::Values("Twinkle_Twinkle_Little_Star.kar",
                                           "Au_clair_de_la_lune.kar", "Mat_troi_len.kar"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('_'));
                         });

} // namespace
