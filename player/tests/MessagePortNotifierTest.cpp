#include "pipeline/MessagePortNotifier.h"

#include "RuntimeDirScope.h"
#include "widgets/KeyUpButton.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

using namespace player;

namespace {

void processEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(MessagePortNotifier, PostedKeyUpsReachTheButtonAndOtherMessagesDoNot) {
    RuntimeDirScope runtime;
    KeyUpButton button;
    MessagePortNotifier port(&button);
    ASSERT_FALSE(port.open(4242));
    std::vector<std::pair<int16_t, int16_t>> got;
    QObject::connect(&button, &KeyUpButton::KeyUp,
                     [&](int16_t key, int16_t shift) { got.emplace_back(key, shift); });

    platform::postMessage(4242, {platform::kWmKeyUp, 58, 0});
    platform::postMessage(4242, {256, 58, 0}); // a key-down is not the completion message
    platform::postMessage(4242, {platform::kWmKeyUp, 58, platform::kKeyContextBit});
    platform::postMessage(4242, {platform::kWmKeyUp, 13, 0});
    processEventsFor(200);

    const std::vector<std::pair<int16_t, int16_t>> want{
        {58, 0}, {58, KeyUpButton::kAltMask}, {13, 0}};
    EXPECT_EQ(got, want);
    EXPECT_EQ(port.number(), 4242);
}

} // namespace
