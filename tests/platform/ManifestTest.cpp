// Which library file a manifest declares a class in, as the POSIX COM
// stand-in reads it.
#include <gtest/gtest.h>

#include "platform/posix/Manifest.h"

namespace {

constexpr platform::GUID kClass = {0xCAF3F30D, 0x6A26, 0x4FCB, {0xB1, 0x60, 0x53, 0x53, 0x97, 0x6D, 0x86, 0xD0}};

TEST(Manifest, GuidTextIsBracedUpperCase)
{
    EXPECT_EQ(platform::posix::GuidText(kClass), "{CAF3F30D-6A26-4FCB-B160-5353976D86D0}");
}

struct ManifestCase {
    const char* what;
    const char* xml;
    std::optional<std::string> file;
};

class ClassFile : public ::testing::TestWithParam<ManifestCase> {};

TEST_P(ClassFile, IsTheFileElementThatDeclaresTheClass)
{
    EXPECT_EQ(platform::posix::FindClassFile(GetParam().xml, kClass), GetParam().file) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Manifests, ClassFile,
    ::testing::Values(
        ManifestCase{"second file, with a byte-order mark",
                     "\xEF\xBB\xBF<?xml version=\"1.0\"?>\r\n<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\">"
                     "<file name=\"A.dll\"><comClass clsid=\"{00000000-0000-0000-0000-000000000001}\"/></file>"
                     "<file name=\"AppRun.dll\"><comClass clsid=\"{CAF3F30D-6A26-4FCB-B160-5353976D86D0}\"/></file>"
                     "</assembly>",
                     "AppRun.dll"},
        ManifestCase{"identifier in lower case",
                     "<assembly><file name=\"x.dll\"><comClass clsid=\"{caf3f30d-6a26-4fcb-b160-5353976d86d0}\"/>"
                     "</file></assembly>",
                     "x.dll"},
        ManifestCase{"class declared outside any file element",
                     "<assembly><comClass clsid=\"{CAF3F30D-6A26-4FCB-B160-5353976D86D0}\"/></assembly>",
                     std::nullopt},
        ManifestCase{"file element without a name",
                     "<assembly><file><comClass clsid=\"{CAF3F30D-6A26-4FCB-B160-5353976D86D0}\"/></file></assembly>",
                     std::nullopt},
        ManifestCase{"not declared", "<assembly><file name=\"x.dll\"/></assembly>", std::nullopt},
        ManifestCase{"not XML", "<assembly><file name=\"x.dll\">", std::nullopt},
        ManifestCase{"empty", "", std::nullopt}));

} // namespace
