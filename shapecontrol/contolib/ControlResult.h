#pragma once
// A value or the ControlError that prevented it.
#include "contolib/ControlError.h"

#include <utility>
#include <variant>

namespace contolib {

template <typename T> class ControlResult {
public:
    ControlResult(T value) : state_(std::move(value)) {}
    ControlResult(ControlError error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    // Only valid when ok().
    const T& value() const { return std::get<T>(state_); }
    // Only valid when !ok().
    const ControlError& error() const { return std::get<ControlError>(state_); }

private:
    std::variant<T, ControlError> state_;
};

} // namespace contolib
