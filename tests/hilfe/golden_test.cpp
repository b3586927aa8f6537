// The comparison with expected files itself: a heading is kept, a difference fails and leaves the file alone,
// OVI_NEU=1 rewrites it and passes.
#include "tests/hilfe/golden.h"

#include <gtest/gtest.h>
#include <stdlib.h>

using namespace ovi::test;

namespace {

std::string inhalt(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

}  // namespace

TEST(Golden, VergleichenUndNeuSchreiben) {
    const std::string pfad = std::filesystem::temp_directory_path() / ("ovi-golden-test-" + std::to_string(getpid()));
    std::ofstream(pfad, std::ios::binary) << "# Kopf\n# für den Leser\na\nb\n";
    ::unsetenv("OVI_NEU");
    EXPECT_TRUE(stimmtMitDatei(pfad, "a\nb\n")) << "der Kopf zählt nicht";
    EXPECT_TRUE(stimmtMitDatei(pfad, "# eigener Kopf\na\nb\n")) << "auch nicht der der Ausgabe";
    EXPECT_FALSE(stimmtMitDatei(pfad, "a\nc\n"));
    EXPECT_EQ(inhalt(pfad), "# Kopf\n# für den Leser\na\nb\n") << "unberührt";
    EXPECT_FALSE(stimmtMitDatei(pfad + "-fehlt", "a\n"));
    EXPECT_FALSE(std::filesystem::exists(pfad + "-fehlt"));
    ::setenv("OVI_NEU", "1", 1);
    EXPECT_TRUE(stimmtMitDatei(pfad, "a\nc\n"));
    EXPECT_EQ(inhalt(pfad), "# Kopf\n# für den Leser\na\nc\n") << "neu, mit dem Kopf";
    EXPECT_TRUE(stimmtMitDatei(pfad + "-neu", "a\n"));
    EXPECT_EQ(inhalt(pfad + "-neu"), "a\n");
    std::filesystem::remove(pfad);
    std::filesystem::remove(pfad + "-neu");
}
