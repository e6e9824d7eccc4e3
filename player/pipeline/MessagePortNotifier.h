#pragma once
// The player's end of the message port: the completion messages posted to its number are
// read on the user-interface thread and delivered to the receiving control as its key-up
// event, the key message's context bit becoming the Alt shift state.
#include "MessagePort.h"

#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <memory>
#include <optional>
#include <string>

class QWidget;

namespace player {

class MessagePortNotifier : public QObject {
    Q_OBJECT
public:
    explicit MessagePortNotifier(QWidget* receiver, QObject* parent = nullptr);

    // Binds the number; an error text when the port cannot be had.
    std::optional<std::string> open(int32_t number);
    int32_t number() const { return port_.number(); }

private:
    void deliverWaitingMessages();

    QPointer<QWidget> receiver_;
    platform::MessageReceiver port_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace player
