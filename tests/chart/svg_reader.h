// A strict hand-written reader for the SVG that the chart's code writes
// (std::regex here cost most of the tests' build): elements with
// double-quoted attributes, and text.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

struct Element {
  std::string name;
  std::map<std::string, std::string> attrs;
  std::string text;  // direct text content only
  std::vector<Element> children;
};

// The run of characters from `at` that `in` accepts, and moves past it.
template <class Accept>
inline std::string Take(const std::string& s, std::size_t& at, Accept in) {
  const std::size_t from = at;
  while (at < s.size() && in(s[at])) ++at;
  return s.substr(from, at - from);
}

inline bool Lower(char c) { return c >= 'a' && c <= 'z'; }
inline bool NameChar(char c) { return Lower(c) || (c >= 'A' && c <= 'Z') || c == '-'; }

// <name attr="value" ...> or <name .../>; true for the self-closing form in
// `empty`.
inline bool ParseOpenTag(const std::string& s, std::size_t& at, Element& e, bool& empty) {
  if (s.compare(at, 1, "<") != 0) return false;
  ++at;
  e.name = Take(s, at, Lower);
  if (e.name.empty()) return false;
  while (s.compare(at, 1, " ") == 0) {
    ++at;
    const std::string name = Take(s, at, NameChar);
    if (name.empty() || s.compare(at, 2, "=\"") != 0) return false;
    at += 2;
    const std::string value = Take(s, at, [](char c) { return c != '"' && c != '<' && c != '>'; });
    if (s.compare(at, 1, "\"") != 0 || !e.attrs.emplace(name, value).second) return false;
    ++at;
  }
  empty = s.compare(at, 2, "/>") == 0;
  if (!empty && s.compare(at, 1, ">") != 0) return false;
  at += empty ? 2 : 1;
  return true;
}

// A strict reader for what the chart writes: elements with double-quoted
// attributes, and text. Anything else, an unclosed or mismatched tag or a
// repeated attribute, fails.
inline bool ParseElement(const std::string& s, std::size_t& at, Element& e) {
  bool empty = false;
  if (!ParseOpenTag(s, at, e, empty)) return false;
  if (empty) return true;
  for (;;) {
    const std::size_t lt = s.find('<', at);
    if (lt == std::string::npos) return false;
    e.text += s.substr(at, lt - at);
    at = lt;
    const std::string close = "</" + e.name + ">";
    if (s.compare(at, close.size(), close) == 0) {
      at += close.size();
      return true;
    }
    if (!ParseElement(s, at, e.children.emplace_back())) return false;
  }
}

inline Element ParseSvg(const std::string& svg) {
  Element root;
  std::size_t at = 0;
  EXPECT_TRUE(ParseElement(svg, at, root) && svg.substr(at) == "\n") << svg.substr(at, 200);
  return root;
}

inline void FindAll(const Element& e, const std::string& cls, std::vector<const Element*>& out) {
  auto found = e.attrs.find("class");
  if (found != e.attrs.end() && found->second == cls) out.push_back(&e);
  for (const auto& child : e.children) FindAll(child, cls, out);
}

inline std::vector<const Element*> ByClass(const Element& root, const std::string& cls) {
  std::vector<const Element*> out;
  FindAll(root, cls, out);
  return out;
}

inline std::string Attr(const Element& e, const std::string& name) {
  const auto found = e.attrs.find(name);
  if (found != e.attrs.end()) return found->second;
  ADD_FAILURE() << "<" << e.name << "> has no " << name;
  return {};
}
