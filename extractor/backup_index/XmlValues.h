// Conversions of XML attribute values into index fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tinyxml2 {
class XMLDocument;
}

namespace xmlvalues {

// Decodes the entity and character references of a raw attribute value:
// &lt; &gt; &amp; &quot; &apos;, &#N; and &#xH;. A character reference becomes
// UTF-8 in a UTF-8 document; in any other document (texts in the system's
// code page) a reference to 1..255 becomes that single byte and any other
// stays as written, as do unknown or malformed references and &#0;.
std::string DecodeReferences(std::string_view raw, bool utf8Document);

// True when a document's texts are UTF-8: it began with a UTF-8 byte order mark,
// or its XML declaration names the encoding UTF-8 (or UTF8) or names none.
bool IsUtf8Document(const tinyxml2::XMLDocument& document);

// Converts like atoi: leading white space (space, \t \n \v \f \r) is skipped, an
// optional sign and the decimal digits after it are read, reading stops at the
// first other character; no digits give 0. Values beyond the int32 range
// saturate at its limits.
std::int32_t ToInteger(std::string_view text);

}  // namespace xmlvalues
