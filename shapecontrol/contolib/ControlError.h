#pragma once
// A failure that a Contora method hands back to its caller instead of throwing. The numbers
// are the ones callers of the control have always tested for.
#include <QString>
#include <utility>

namespace contolib {

class ControlError {
public:
    enum Number { IndexOutOfRange = 9, NotSettableInDesigner = 382 };

    static ControlError indexOutOfRange() {
        return {IndexOutOfRange, QStringLiteral("Point index out of range.")};
    }
    static ControlError notSettableInDesigner() {
        return {NotSettableInDesigner,
                QStringLiteral("PointStr cannot be set in the designer; trace the outline on "
                               "the Points page.")};
    }

    int number() const { return number_; }
    const QString& message() const { return message_; }

private:
    ControlError(int number, QString message) : number_(number), message_(std::move(message)) {}

    int number_;
    QString message_;
};

} // namespace contolib
