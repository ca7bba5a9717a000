#pragma once
// @brief What an operation that can fail gives back: its value, or the Dutch text that
// tells the user why it failed. Errors travel as values; no exception crosses Qt.

#include <QString>

#include <optional>
#include <utility>

namespace morvelin {

// The reason an operation failed, as the user reads it.
struct Failure {
    QString message;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_error(std::move(failure.message)) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    const T &operator*() const & { return *m_value; }
    const T *operator->() const { return &*m_value; }
    // Empty when the operation succeeded.
    const QString &error() const { return m_error; }

private:
    std::optional<T> m_value;
    QString m_error;
};

// What an operation without a value gives back.
struct Done {};
using Status = Result<Done>;

inline Status Succeeded()
{
    return Done{};
}

} // namespace morvelin
