// What a file or check function returns: its value, or why it failed. The
// message is one line for the user; the kind lets a caller treat a refused
// version differently from a damaged file without reading the text.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace vh {

enum class ErrorKind {
    Unreadable,  // the file could not be opened or read
    Unwritable,  // the file could not be written
    Version,     // a document of another version
    Damaged,     // contents that are cut short, inconsistent or out of range
    TooLarge,    // an image too large to use
    Invalid,     // values that cannot be used (a grid too large, a terrain that cannot be stored)
};

struct Failure {
    ErrorKind Kind = ErrorKind::Invalid;
    std::string Message;
};

inline Failure Fail(ErrorKind kind, std::string message) {
    return {kind, std::move(message)};
}

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : v_(std::in_place_index<1>, std::move(failure)) {}

    bool Ok() const { return v_.index() == 0; }
    explicit operator bool() const { return Ok(); }

    // Only when Ok().
    T& Value() & { return std::get<0>(v_); }
    const T& Value() const& { return std::get<0>(v_); }
    T&& Value() && { return std::get<0>(std::move(v_)); }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }

    // Only when !Ok().
    const Failure& Error() const { return std::get<1>(v_); }
    ErrorKind Kind() const { return Error().Kind; }
    const std::string& Message() const { return Error().Message; }

private:
    std::variant<T, Failure> v_;
};

// A result without a value: done, or why not.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : failure_(std::move(failure)) {}

    bool Ok() const { return !failure_; }
    explicit operator bool() const { return Ok(); }

    const Failure& Error() const { return *failure_; }
    ErrorKind Kind() const { return failure_->Kind; }
    const std::string& Message() const { return failure_->Message; }

private:
    std::optional<Failure> failure_;
};

using Status = Result<void>;

// The message of a failed result; empty when it succeeded.
template <class T>
std::string MessageOf(const Result<T>& r) {
    return r.Ok() ? std::string() : r.Message();
}

}  // namespace vh
