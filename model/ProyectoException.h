// Raised by reading or writing the project file; its text is shown to the user.
#pragma once

#include <stdexcept>
#include <string>

class ProyectoException : public std::runtime_error {
public:
    explicit ProyectoException(const std::string& message) : std::runtime_error(message) {}
};
