#pragma once

// The assertion library (kelassert). An assertion names its expression, adds the values
// that explain it and is reported as an error or a fatal error:
//
//     KEL_ASSERT(lettre != nullptr).add_val("lettre", lettre).error();
//
// Assertions are disabled in this library: KEL_ASSERT compiles its expression and its
// values (so they stay correct) in a branch that never runs; nothing is evaluated or
// reported.

#include "wizard_host_export.h"

#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace kel {

// What an assertion records (its expression and named values); a value of its Assert.
class WIZARD_HOST_EXPORT assert_context
{
public:
    assert_context() = default;
    assert_context(const assert_context&) = default;
    assert_context& operator=(const assert_context&) = default;
    bool operator==(const assert_context&) const = default;

    assert_context& set_expr(const std::string& expr)
    {
        m_expr = expr;
        return *this;
    }

    // Keeps `value` rendered as text; a null pointer is rendered "null".
    template <typename T>
    assert_context& add_val(const std::string& name, const T& value)
    {
        m_values.emplace_back(name, render(value));
        return *this;
    }

    // Reporting is disabled: an assertion never stops nor shows anything.
    void error() const {}
    void fatal() const {}

    const std::string& expr() const { return m_expr; }
    const std::vector<std::pair<std::string, std::string>>& values() const { return m_values; }

private:
    template <typename T>
    static std::string render(const T& value)
    {
        if constexpr (std::is_pointer_v<T> || std::is_null_pointer_v<T>) {
            if (value == nullptr)
                return "null";
        }
        std::ostringstream out;
        if constexpr (std::is_same_v<std::decay_t<T>, char*> ||
                      std::is_same_v<std::decay_t<T>, const char*>)
            out << value;
        else if constexpr (std::is_pointer_v<T>)
            out << static_cast<const void*>(value);
        else if constexpr (std::is_null_pointer_v<T>)
            out << "null";
        else
            out << value;
        return out.str();
    }

    std::string m_expr;
    std::vector<std::pair<std::string, std::string>> m_values;
};

// Where an assertion is made; it opens the context that describes it.
// A temporary of the KEL_ASSERT macro.
class WIZARD_HOST_EXPORT Assert
{
public:
    static constexpr bool enabled = false;

    Assert(const char* file = "", int line = 0) : m_file(file ? file : ""), m_line(line) {}
    Assert(const Assert&) = default;
    Assert& operator=(const Assert&) = default;
    bool operator==(const Assert&) const = default;

    assert_context& context() { return m_context; }
    const std::string& file() const { return m_file; }
    int line() const { return m_line; }

private:
    std::string m_file;
    int m_line = 0;
    assert_context m_context;
};

} // namespace kel

// Never evaluates `expr` nor what is chained after it.
#define KEL_ASSERT(expr)                                                                           \
    if (true) {                                                                                    \
    } else                                                                                         \
        ::kel::Assert(__FILE__, __LINE__).context().set_expr((static_cast<void>(expr), #expr))
