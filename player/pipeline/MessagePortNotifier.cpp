#include "MessagePortNotifier.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace player {

MessagePortNotifier::MessagePortNotifier(QWidget* receiver, QObject* parent)
    : QObject(parent), receiver_(receiver) {}

std::optional<std::string> MessagePortNotifier::open(int32_t number) {
    notifier_.reset();
    if (auto failure = port_.open(number))
        return failure;
    notifier_ = std::make_unique<QSocketNotifier>(port_.fd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this,
            &MessagePortNotifier::deliverWaitingMessages);
    return std::nullopt;
}

void MessagePortNotifier::deliverWaitingMessages() {
    while (auto message = port_.receive()) {
        if (message->message != platform::kWmKeyUp || !receiver_)
            continue;
        const auto modifiers =
            (message->lParam & platform::kKeyContextBit) ? Qt::AltModifier : Qt::NoModifier;
        QKeyEvent keyUp(QEvent::KeyRelease, Qt::Key_unknown, modifiers, 0,
                        static_cast<quint32>(message->wParam), 0);
        QCoreApplication::sendEvent(receiver_, &keyUp);
    }
}

} // namespace player
