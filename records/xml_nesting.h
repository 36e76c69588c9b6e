#pragma once

// How deep TinyXML would nest elements while parsing the zero-terminated
// text, counted without recursion and stopping early once the count passes
// limit (the result is then limit + 1). TinyXML parses nested elements by
// recursion, so a deep enough document overflows the stack, and long before
// that it takes quadratic time.
int XmlNestingDepth(const char* text, int limit);
