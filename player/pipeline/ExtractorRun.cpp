#include "ExtractorRun.h"

#include "Spawn.h"

#include <unistd.h>

namespace player {
namespace {

constexpr int32_t kRequestsPerProcess = 64;
constexpr int kStartWaitMs = 5000;
constexpr int kStopWaitMs = 2000;

} // namespace

ExtractorRun::ExtractorRun(QWidget* receiver, QObject* parent)
    : QObject(parent), receiver_(receiver) {}

ExtractorRun::~ExtractorRun() {
    stop();
}

void ExtractorRun::stop() {
    port_.reset();
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished(kStopWaitMs);
    }
    process_.reset();
}

std::optional<QString> ExtractorRun::start(const QString& programFolder) {
    stop();
    const auto program = platform::findProgram(kTextpullProgram, programFolder.toStdString());
    if (!program)
        return QStringLiteral("Could not start %1.").arg(kTextpullProgram);

    // Process ids stay under 2^22 on Linux, so the numbers never leave 31 bits.
    const auto number = static_cast<int32_t>(getpid()) * kRequestsPerProcess +
                        static_cast<int32_t>(requests_++ % kRequestsPerProcess);
    port_ = std::make_unique<MessagePortNotifier>(receiver_);
    if (auto failure = port_->open(number)) {
        port_.reset();
        return QString::fromStdString(*failure);
    }
    process_ = std::make_unique<QProcess>();
    process_->setProgram(QString::fromStdString(*program));
    process_->setArguments({QString::number(number)});
    process_->setProcessChannelMode(QProcess::ForwardedChannels);
    process_->setStandardInputFile(QProcess::nullDevice());
    process_->start();
    if (!process_->waitForStarted(kStartWaitMs)) {
        stop();
        return QStringLiteral("Could not start %1.").arg(kTextpullProgram);
    }
    return std::nullopt;
}

} // namespace player
