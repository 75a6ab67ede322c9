// libFuzzer target: a language file's bytes through the parser and the lookups.

#include "skin/CLangTable.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    quor::skin::CLangTable table;
    const std::u16string text = quor::skin::CLangTable::WidenLittleEndian(reinterpret_cast<const char*>(data), size);
    table.Parse(text);
    for (const auto& entry : table.Entries()) {
        (void)table.LookUp(u"$" + entry.key);
        (void)table.LookUp(u"#" + entry.key.substr(0, 3));
    }
    (void)table.LookUp(text.substr(0, 80));
    return 0;
}
