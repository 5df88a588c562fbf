// The order a Spanish reader expects of texts in Windows-1252: letters by
// their base letter first (Á with A, Ñ between N and O), then the accent
// (plain first), then the case (small first).
#pragma once

#include <string>

// Negative, zero or positive as `a` sorts before, with or after `b`.
int compareSpanish(const std::string& a, const std::string& b);
