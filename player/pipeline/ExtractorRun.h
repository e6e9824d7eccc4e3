#pragma once
// One extractor at a time, each with a reply port of its own. Choosing a song while the
// extractor of the song before still runs stops that one (killed and reaped) and closes
// its port, so its answer, however late, reaches nobody; the next one gets a new port
// number. The number stands for the hidden message button on the extractor's command line:
// the process id times 64 plus a request count, unique among this user's processes.
#include "MessagePortNotifier.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <memory>
#include <optional>

class QWidget;

namespace player {

inline constexpr const char* kTextpullProgram = "textpull";

class ExtractorRun : public QObject {
    Q_OBJECT
public:
    // receiver: the control the extractor's answer is delivered to, as its key-up.
    explicit ExtractorRun(QWidget* receiver, QObject* parent = nullptr);
    ~ExtractorRun() override;

    // Stops the one before, opens a new port and starts the extractor with its number, in
    // the current folder. The error text for the status line when it cannot be done.
    std::optional<QString> start(const QString& programFolder);
    // Stops the running extractor, if any, and closes its port: no answer comes any more.
    void stop();

    // The number the current request is answered at; 0 before the first.
    int32_t number() const { return port_ ? port_->number() : 0; }

private:
    QWidget* receiver_;
    std::unique_ptr<MessagePortNotifier> port_;
    std::unique_ptr<QProcess> process_;
    uint32_t requests_ = 0;
};

} // namespace player
