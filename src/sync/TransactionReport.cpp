#include "sync/TransactionReport.h"

namespace zorozod {

std::string_view FieldOf(std::string_view line, ReportField field) {
    if (field.position > line.size()) return {};
    return line.substr(field.position - 1, field.length);
}

std::optional<char> CharAt(std::string_view text, std::size_t position) {
    if (position < 1 || position > text.size()) return std::nullopt;
    return text[position - 1];
}

std::string_view DescriptionOf(std::string_view line) {
    std::string_view description = FieldOf(line, report::kDescription);
    while (!description.empty() && static_cast<unsigned char>(description.back()) <= 32) description.remove_suffix(1);
    return description;
}

}  // namespace zorozod
