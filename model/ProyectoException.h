// A project file that cannot be read or written. The text is already the
// user's message, so callers only show it.
#pragma once

#include <stdexcept>
#include <string>

class ProyectoException : public std::runtime_error {
public:
    explicit ProyectoException(const std::string& message) : std::runtime_error(message) {}
};
