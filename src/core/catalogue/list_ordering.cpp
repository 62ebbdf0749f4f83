#include "core/catalogue/list_ordering.h"

#include <sqlite3.h>

#include <string_view>

#include "core/catalogue/version_date.h"
#include "core/text/natural_order.h"

namespace zorvik {

namespace {

int naturalCollation(void*, int leftSize, const void* left, int rightSize, const void* right) {
    return text::compareNaturally(
        std::string_view(static_cast<const char*>(left), static_cast<std::size_t>(leftSize)),
        std::string_view(static_cast<const char*>(right), static_cast<std::size_t>(rightSize)));
}

void versionDateKeyOf(sqlite3_context* context, int, sqlite3_value** arguments) {
    const auto* text = sqlite3_value_text(arguments[0]);
    const auto key = text == nullptr
                         ? std::nullopt
                         : versionDateKey(std::string_view(
                               reinterpret_cast<const char*>(text),
                               static_cast<std::size_t>(sqlite3_value_bytes(arguments[0]))));
    if (key) {
        sqlite3_result_int(context, *key);
    } else {
        sqlite3_result_null(context);
    }
}

} // namespace

void registerListOrdering(sqlite3* db) {
    sqlite3_create_collation_v2(db, kNaturalCollation, SQLITE_UTF8, nullptr, naturalCollation,
                                nullptr);
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
    sqlite3_create_function_v2(db, kVersionDateFunction, 1, flags, nullptr, versionDateKeyOf,
                               nullptr, nullptr, nullptr);
}

} // namespace zorvik
