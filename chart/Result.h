#pragma once

#include <optional>
#include <string>
#include <utility>

// A failure of any result type, so that `return Failure{"why"};` serves
// every function below.
struct Failure {
    std::string message;
};

// What a fallible operation of the core gives instead of throwing: its value,
// or the one-line message that says why there is none. A success may carry a
// note for the user beside its value (a save that replaced characters the
// file cannot hold).
template <class T>
class Result {
public:
    Result(T value, std::string note = {})
        : m_value(std::move(value))
        , m_message(std::move(note))
    {
    }
    Result(Failure failure)
        : m_message(std::move(failure.message))
    {
    }

    bool Ok() const { return m_value.has_value(); }
    // The value; only on success.
    const T& Value() const { return *m_value; }
    T& Value() { return *m_value; }
    // Why it failed, or the note of a success (empty when none).
    const std::string& Message() const { return m_message; }

private:
    std::optional<T> m_value;
    std::string m_message;
};

// The result of an operation that gives no value.
template <>
class Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : m_ok(false)
        , m_message(std::move(failure.message))
    {
    }
    static Result WithNote(std::string note)
    {
        Result result;
        result.m_message = std::move(note);
        return result;
    }

    bool Ok() const { return m_ok; }
    const std::string& Message() const { return m_message; }

private:
    bool m_ok = true;
    std::string m_message;
};
