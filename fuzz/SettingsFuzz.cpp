// The settings file's parser on any bytes: values it finds write out and
// parse back as the same values.
#include "FuzzTargets.h"
#include "settings/FileSettingsStore.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorozod;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto values = ParseSettingsText(bytes);
    if (!values) return 0;
    const auto again = ParseSettingsText(FormatSettingsText(*values));
    if (!again || again->size() != values->size()) __builtin_trap();
    for (std::size_t i = 0; i < values->size(); ++i) {
        const StoredValue& a = (*values)[i];
        const StoredValue& b = (*again)[i];
        if (a.type != b.type || a.integer != b.integer || (a.type == StoredValue::Type::Text && a.text != b.text))
            __builtin_trap();
    }
    return 0;
}
