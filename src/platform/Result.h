#pragma once

#include <string>
#include <utility>
#include <variant>

namespace cfq {

// The outcome of a core operation that can fail: a value, or the text of the
// error that the user must be shown.
template <typename T>
class Result
{
public:
    Result(T value) : m_state(std::move(value)) {}
    static Result failure(std::string error) { return Result(Error{std::move(error)}); }

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return std::get<T>(m_state); }
    T& value() & { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    const std::string& error() const { return std::get<Error>(m_state).text; }

private:
    struct Error
    {
        std::string text;
    };
    explicit Result(Error error) : m_state(std::move(error)) {}
    std::variant<T, Error> m_state;
};

// An operation without a value: success, or an error text.
class Status
{
public:
    Status() = default;
    static Status failure(std::string error) { return Status(std::move(error), false); }

    bool ok() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const std::string& error() const { return m_error; }

private:
    Status(std::string error, bool ok) : m_error(std::move(error)), m_ok(ok) {}
    std::string m_error;
    bool m_ok = true;
};

} // namespace cfq
