#pragma once

#include <QString>

#include <string>
#include <string_view>

// Where code page 932 text meets Qt: the only conversion points of the program.
namespace quillet {

QString FromCp932(std::string_view bytes);
std::string ToCp932(const QString& text);

} // namespace quillet
