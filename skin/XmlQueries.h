#pragma once

// The queries the loaders make of an element tree. An empty node stands for an element that was
// not found; absent things give "", -1, 0 or an empty list, never an error. Names are compared
// exactly; text comes back as UTF-16.

#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quor::skin {

// Element text is cut to this many UTF-16 code units.
inline constexpr std::size_t kMaxElementText = 512;

// The first descendant element with the name, depth-first in document order; the element itself
// is not considered.
pugi::xml_node FindFirst(pugi::xml_node element, std::string_view name);

// Every descendant element with the name, in the same order (an element's matches come right
// after it, before its next sibling).
std::vector<pugi::xml_node> FindAll(pugi::xml_node element, std::string_view name);

std::u16string AttributeValue(pugi::xml_node element, std::string_view name);

// The position of the first attribute with the name, or -1.
int HasAttribute(pugi::xml_node element, std::string_view name);

int AttributeCount(pugi::xml_node element);

// Name and value of the attribute at index; empty strings outside the range.
std::pair<std::u16string, std::u16string> AttributeAt(pugi::xml_node element, int index);

// The value of the first child that carries text, at most kMaxElementText units.
std::u16string ElementText(pugi::xml_node element);

// Signed decimal: leading white space skipped, optional sign, digits up to the first non-digit;
// empty or non-numeric reads 0; values beyond 32 bits saturate.
int ReadInt(std::u16string_view text);
int AttributeInt(pugi::xml_node element, std::string_view name);

// Removes white space at both ends.
std::u16string Trimmed(std::u16string_view text);

} // namespace quor::skin
