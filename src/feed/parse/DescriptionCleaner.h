#pragma once

#include <string>
#include <string_view>

// Cleans one description (UTF-8) for the sign: decodes entities, so that escaped
// HTML becomes markup, then turns "<br />" into a space and drops "</a>" and every
// "<a ..." and "<img..." tag (case-insensitive). All other markup stays as it is.
std::string cleanDescription(std::string_view description);
