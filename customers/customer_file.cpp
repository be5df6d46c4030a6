#include "customers/customer_file.h"

#include "core/text_rules.h"

namespace filmeria {

std::string customerFilePath(const std::string& folder) {
    return trimmed(folder + "Clienti.pro");
}
std::string customerTempPath(const std::string& folder) {
    return trimmed(folder + "Clienti.tmp");
}

CustomerArchive customerArchive(const std::string& folder) {
    return CustomerArchive(customerFilePath(folder), customerTempPath(folder));
}

} // namespace filmeria
