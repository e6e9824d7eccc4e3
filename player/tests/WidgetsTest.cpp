// The old control semantics the player's handlers rely on.
#include "widgets/FormTimer.h"
#include "widgets/KeyUpButton.h"
#include "widgets/TextBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace player;

namespace {

TEST(TextBox, ChangeFiresOnlyWhenTheTextReallyChanges) {
    TextBox box;
    QSignalSpy changes(&box, &TextBox::Change);
    box.setText("a.kar");
    box.setText("a.kar");
    EXPECT_EQ(changes.count(), 1);
    box.setText("");
    box.setText("");
    EXPECT_EQ(changes.count(), 2);
    EXPECT_EQ(box.text(), "");
}

TEST(TextBox, TheHandlerSeesTheNewText) {
    TextBox box;
    QString seen;
    QObject::connect(&box, &TextBox::Change, [&] { seen = box.text(); });
    box.setText("song.mid");
    EXPECT_EQ(seen, "song.mid");
}

TEST(FormTimer, TicksOnlyWhileEnabledWithAnInterval) {
    FormTimer timer;
    EXPECT_FALSE(timer.isTicking());
    timer.setInterval(50);
    EXPECT_TRUE(timer.isTicking());
    timer.setInterval(0);
    EXPECT_FALSE(timer.isTicking());
    timer.setInterval(50);
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isTicking());
    timer.setEnabled(true);
    EXPECT_TRUE(timer.isTicking());
    EXPECT_EQ(timer.interval(), 50);
}

// Enabling again starts the count from zero: a time-out armed for a second song is not
// cut short by the first song's time-out.
TEST(FormTimer, EnablingAgainRestartsTheCount) {
    FormTimer timer;
    timer.setInterval(300);
    QSignalSpy ticks(&timer, &FormTimer::Timer);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 200)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    timer.setEnabled(true);
    while (clock.elapsed() < 400)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(ticks.count(), 0);
    EXPECT_TRUE(ticks.wait(1000));
}

TEST(KeyUpButton, KeyUpCarriesTheNativeKeyAndAltAsShiftState) {
    KeyUpButton button;
    button.hide();
    std::vector<std::pair<int16_t, int16_t>> got;
    QObject::connect(&button, &KeyUpButton::KeyUp,
                     [&](int16_t key, int16_t shift) { got.emplace_back(key, shift); });
    QKeyEvent success(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, 0, 58, 0);
    QKeyEvent failure(QEvent::KeyRelease, Qt::Key_unknown, Qt::AltModifier, 0, 58, 0);
    QKeyEvent tooBig(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, 0, 65536 + 58, 0);
    QCoreApplication::sendEvent(&button, &success);
    QCoreApplication::sendEvent(&button, &failure);
    QCoreApplication::sendEvent(&button, &tooBig);
    const std::vector<std::pair<int16_t, int16_t>> want{
        {58, 0}, {58, KeyUpButton::kAltMask}, {-1, 0}};
    EXPECT_EQ(got, want);
}

} // namespace
