#pragma once
// The film's web addresses: the rule of the web-site field and the web search address.
#include <string>
#include <string_view>

namespace filmeria {

// The web-site field on leaving: empty becomes "http://"; a text not beginning (as typed,
// letter case exact) with "http://", "ftp://" or "https://" gets "http://" before it, trimmed.
std::string normalisedWebAddress(std::string_view typed);

// Google's web search for a title (Windows-1252), the title percent-encoded as UTF-8 so
// that "&", "#" and "+" search for themselves.
std::string webSearchAddress(std::string_view title);

} // namespace filmeria
