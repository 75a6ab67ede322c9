#include "skin/XmlQueries.h"

#include "platform/system/Utf16.h"

#include <cstdint>
#include <limits>

namespace quor::skin {

namespace {

bool NameIs(pugi::xml_node node, std::string_view name)
{
    return node.type() == pugi::node_element && name == node.name();
}

// The node after node in a depth-first walk below root; iterative, so that a deeply nested
// document cannot exhaust the stack.
pugi::xml_node NextInDocumentOrder(pugi::xml_node node, pugi::xml_node root)
{
    if (node.first_child())
        return node.first_child();
    while (node && node != root) {
        if (node.next_sibling())
            return node.next_sibling();
        node = node.parent();
    }
    return {};
}

bool IsSpace(char16_t ch)
{
    return ch == u' ' || ch == u'\t' || ch == u'\n' || ch == u'\r' || ch == u'\v' || ch == u'\f';
}

} // namespace

pugi::xml_node FindFirst(pugi::xml_node element, std::string_view name)
{
    for (pugi::xml_node node = NextInDocumentOrder(element, element); node;
         node = NextInDocumentOrder(node, element)) {
        if (NameIs(node, name))
            return node;
    }
    return {};
}

std::vector<pugi::xml_node> FindAll(pugi::xml_node element, std::string_view name)
{
    std::vector<pugi::xml_node> found;
    for (pugi::xml_node node = NextInDocumentOrder(element, element); node;
         node = NextInDocumentOrder(node, element)) {
        if (NameIs(node, name))
            found.push_back(node);
    }
    return found;
}

std::u16string AttributeValue(pugi::xml_node element, std::string_view name)
{
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
        if (name == a.name())
            return system::FromUtf8(a.value());
    }
    return {};
}

int HasAttribute(pugi::xml_node element, std::string_view name)
{
    int index = 0;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute(), ++index) {
        if (name == a.name())
            return index;
    }
    return -1;
}

int AttributeCount(pugi::xml_node element)
{
    int count = 0;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute())
        ++count;
    return count;
}

std::pair<std::u16string, std::u16string> AttributeAt(pugi::xml_node element, int index)
{
    int at = 0;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute(), ++at) {
        if (at == index)
            return {system::FromUtf8(a.name()), system::FromUtf8(a.value())};
    }
    return {};
}

std::u16string ElementText(pugi::xml_node element)
{
    for (pugi::xml_node child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata) {
            std::u16string text = system::FromUtf8(child.value());
            if (text.size() > kMaxElementText)
                text.resize(kMaxElementText);
            return text;
        }
    }
    return {};
}

int ReadInt(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int>::max()} + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > kLimit)
            value = kLimit;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        value = std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

int AttributeInt(pugi::xml_node element, std::string_view name)
{
    return ReadInt(AttributeValue(element, name));
}

std::u16string Trimmed(std::u16string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsSpace(text[begin]))
        ++begin;
    while (end > begin && IsSpace(text[end - 1]))
        --end;
    return std::u16string(text.substr(begin, end - begin));
}

} // namespace quor::skin
