#pragma once

// How deep TinyXML would nest elements while parsing the zero-terminated
// text (at least; exactly when the count passes limit, and then the result
// is limit + 1), counted without recursion. TinyXML parses nested elements by
// recursion, so a deep enough document overflows the stack, and long before
// that it takes quadratic time.
int XmlNestingDepth(const char* text, int limit);
