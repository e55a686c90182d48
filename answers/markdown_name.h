// A weapon's name as Markdown text inside a heading: it comes back as the
// same text, and as nothing else, in GFM renderers (GitHub's, micromark) and
// in markdown-it with linkify, as forums run it. Control characters become
// spaces first (plain_text.h). Then a character is backslash-escaped only
// where it could start or end markup where it stands, so ordinary names read
// as typed:
//   always     \ ` * _ ~ [ ] <      emphasis, strikethrough, code, links,
//                                   images, HTML and autolinks in <...>
//   &          before # or a letter or digit, where an entity could start
//   .          between a letter or digit (or - _) and a letter or digit,
//              as in a domain: www.example.com, example.com, a@b.com
//   :          before a /, or between a letter and a non-space: a URL's
//              scheme, as in http://, mailto:me@... ("Sniper: long" stays)
//   #          the first of a closing run after a space ("Rifle #"), which
//              a heading would drop
//   "AK-47 (Mk. II)" -> "AK-47 (Mk. II)"    "*x*" -> "\*x\*"
//   "www.example.com" -> "www\.example\.com"  "http://x.y" -> "http\://x\.y"
// One e-mail form stays a link in GitHub's renderer: it links a@b.com as
// mailto: after reading the escapes, and no escape stops that without
// changing the text. That link is harmless.
#pragma once

#include <string>
#include <string_view>

[[nodiscard]] std::string MarkdownName(std::string_view name);
