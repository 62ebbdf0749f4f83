#pragma once

#include <locale.h>

namespace zorvik::archiver {

// Makes the calling thread's character type locale UTF-8 while the object
// lives, so that libarchive hands entry names over as UTF-8 whatever locale
// the host process runs in. Other threads are not affected.
class ScopedUtf8Locale {
public:
    ScopedUtf8Locale();
    ~ScopedUtf8Locale();
    ScopedUtf8Locale(const ScopedUtf8Locale&) = delete;
    ScopedUtf8Locale& operator=(const ScopedUtf8Locale&) = delete;

private:
    locale_t utf8_;
    locale_t previous_ = nullptr;
};

} // namespace zorvik::archiver
