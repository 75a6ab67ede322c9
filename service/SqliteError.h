#pragma once

// A failed SQLite call inside the service. Thrown only within a service call and turned into an
// HRESULT at its transaction boundary (ResultOfSqlite); it never leaves the component.

#include "platform/com/HResult.h"

#include <stdexcept>
#include <string>

namespace quor::service {

class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string& message) : std::runtime_error(message), m_code(code) {}
    int Code() const { return m_code; }

private:
    int m_code = 0;
};

// The HRESULT a caller sees for an SQLite result code.
HRESULT ResultOfSqlite(int code);

} // namespace quor::service
