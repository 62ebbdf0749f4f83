#pragma once

#include <string>

namespace zorvik::platform {

// A shared library loaded by path; unloaded when the object goes.
class DynamicLibrary {
public:
    DynamicLibrary() = default;
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;

    // Loads the library at path, unloading any held before; false on failure.
    bool load(const std::string& path);
    void unload();
    bool isLoaded() const { return handle_ != nullptr; }

    // The address of an exported symbol, or nullptr.
    void* symbol(const std::string& name) const;

    // The loader's message for the last failed load.
    const std::string& lastError() const { return lastError_; }

private:
    void* handle_ = nullptr;
    std::string lastError_;
};

} // namespace zorvik::platform
