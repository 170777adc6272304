#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace tavrel {

// One step of an operation could not be carried out: a menu or item that does not exist, a
// surface or host call that refused, a 32-bit overflow. Most operations skip such a step and go
// on (Step); the few that stop and report it turn it into a Failure for their caller (Attempt).
class StepFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Fail(const std::string& sReason);

// What a reporting operation hands back when one of its steps failed.
struct Failure {
    std::string sReason;
};

// The result of an operation that stops at its first failing step and reports it.
template <class T>
class [[nodiscard]] ErrorOr {
public:
    ErrorOr(T value) : state_(std::move(value)) {}
    ErrorOr(Failure failure) : state_(std::move(failure)) {}

    bool IsError() const { return std::holds_alternative<Failure>(state_); }
    explicit operator bool() const { return !IsError(); }
    const T& Value() const& { return std::get<T>(state_); }
    T& Value() & { return std::get<T>(state_); }
    T&& Value() && { return std::get<T>(std::move(state_)); }
    T ValueOr(T fallback) const { return IsError() ? std::move(fallback) : Value(); }
    const Failure& Error() const { return std::get<Failure>(state_); }

private:
    std::variant<T, Failure> state_;
};

template <>
class [[nodiscard]] ErrorOr<void> {
public:
    ErrorOr() = default;
    ErrorOr(Failure failure) : failure_(std::move(failure)), bFailed_(true) {}

    bool IsError() const { return bFailed_; }
    explicit operator bool() const { return !bFailed_; }
    const Failure& Error() const { return failure_; }

private:
    Failure failure_;
    bool bFailed_ = false;
};

// Runs one step of a suppressing operation: when the step fails it is skipped. Returns whether
// the step completed, for the rare caller whose next step depends on it.
template <class F>
bool Step(F&& step) {
    try {
        std::forward<F>(step)();
        return true;
    } catch (const StepFailure&) {
        return false;
    }
}

// Runs a reporting operation: its first failing step ends it and becomes the result.
template <class F>
auto Attempt(F&& body) -> ErrorOr<std::invoke_result_t<F>> {
    using R = std::invoke_result_t<F>;
    try {
        if constexpr (std::is_void_v<R>) {
            std::forward<F>(body)();
            return {};
        } else {
            return std::forward<F>(body)();
        }
    } catch (const StepFailure& failure) {
        return Failure{failure.what()};
    }
}

// Turns a reported failure back into a failing step of the caller.
template <class T>
T Unwrap(ErrorOr<T> result) {
    if (result.IsError()) Fail(result.Error().sReason);
    if constexpr (!std::is_void_v<T>) return std::move(result).Value();
}
inline void Unwrap(ErrorOr<void> result) {
    if (result.IsError()) Fail(result.Error().sReason);
}

// A lookup that may find nothing: a missing object is a failing step, never a crash.
template <class T>
T& Require(T* object, const char* sWhat) {
    if (object == nullptr) Fail(std::string(sWhat) + " does not exist");
    return *object;
}
template <class T>
T& Require(const std::shared_ptr<T>& object, const char* sWhat) {
    return Require(object.get(), sWhat);
}
template <class T>
T& Require(const std::unique_ptr<T>& object, const char* sWhat) {
    return Require(object.get(), sWhat);
}

}  // namespace tavrel
