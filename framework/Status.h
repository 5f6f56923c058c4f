#pragma once

#include <string>
#include <utility>

namespace gv {

// The outcome of an operation that can fail for reasons outside the program
// (a window the window system would not create, a picture that would not
// decode). Failures carry a sentence for the report.
class [[nodiscard]] Status {
public:
    static Status ok() { return Status {}; }
    static Status failure(std::string message) { return Status { std::move(message) }; }

    bool is_ok() const { return !m_failed; }
    explicit operator bool() const { return is_ok(); }
    const std::string& error() const { return m_message; }

private:
    Status() = default;
    explicit Status(std::string message)
        : m_failed(true)
        , m_message(std::move(message)) {}
    bool m_failed { false };
    std::string m_message;
};

} // namespace gv
