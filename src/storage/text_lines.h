#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pigmentrix {

// The bytes of a text file as UTF-8. A byte-order mark selects UTF-8,
// UTF-16 LE or UTF-16 BE; without one, valid UTF-8 stays as it is and any
// other bytes are taken as Latin-1. Broken UTF-16 becomes U+FFFD.
std::string DecodeTextFile(std::string_view bytes);

// Lines split at CR LF, lone CR and lone LF. A final line break ends the last
// line and adds no empty line after it; the empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

bool IsSpaceOrTab(char c);

// A line of UTF-8 text as a message quotes it: in double quotes, cut after
// 40 characters with "..." (never inside a character), control characters
// shown as "?". However long or binary the line, the message stays short.
std::string QuotedExcerpt(std::string_view line);

// text without the spaces and tabs at either end.
std::string_view TrimSpacesAndTabs(std::string_view text);

bool IsValidUtf8(std::string_view bytes);

// bytes unchanged when they are valid UTF-8, else read as Latin-1.
std::string ToValidUtf8(std::string_view bytes);

// UTF-16 code units, two bytes each, as UTF-8. A lone surrogate and an odd
// last byte become U+FFFD.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian);

// Text as UTF-16 code units; text that is not valid UTF-8 is read as Latin-1.
std::u16string EncodeUtf16(std::string_view text);

} // namespace pigmentrix
