#include "core/platform/dynamic_library.h"

#include <gtest/gtest.h>

namespace zorvik::platform {
namespace {

TEST(DynamicLibrary, ResolvesExportsOfALoadedLibrary) {
    DynamicLibrary library;
    ASSERT_TRUE(library.load(ZORVIK_TEST_EXPORTS)) << library.lastError();
    using Answer = int (*)();
    auto answer = reinterpret_cast<Answer>(library.symbol("zorvik_test_answer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(library.symbol("not_exported"), nullptr);

    DynamicLibrary moved = std::move(library);
    EXPECT_FALSE(library.isLoaded());
    EXPECT_TRUE(moved.isLoaded());
    moved.unload();
    EXPECT_EQ(moved.symbol("zorvik_test_answer"), nullptr);
}

TEST(DynamicLibrary, MissingOrBrokenFileFailsWithAReason) {
    DynamicLibrary library;
    EXPECT_FALSE(library.load("/nonexistent/plugin.so"));
    EXPECT_FALSE(library.lastError().empty());
    EXPECT_FALSE(library.isLoaded());
}

} // namespace
} // namespace zorvik::platform
