// Lets GoogleTest print Qt's strings in its failure messages.
#pragma once

#include <ostream>

#include <QString>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
