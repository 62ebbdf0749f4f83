#include "plugins/archiver/utf8_locale.h"

namespace zorvik::archiver {

ScopedUtf8Locale::ScopedUtf8Locale()
    : utf8_(newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr))) {
    if (utf8_ != nullptr) {
        previous_ = uselocale(utf8_);
    }
}

ScopedUtf8Locale::~ScopedUtf8Locale() {
    if (utf8_ != nullptr) {
        uselocale(previous_);
        freelocale(utf8_);
    }
}

} // namespace zorvik::archiver
