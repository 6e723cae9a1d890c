#pragma once

// A text put together from a pattern and its parts: "%1 cannot be read",
// with %1..%9 the parts in order, as translators write them in any order.

#include <initializer_list>
#include <string>
#include <string_view>

// pattern with %1..%9 replaced by the arguments in order; a % not followed
// by the number of an argument stays as it is.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);
