// The executable's identity resources read back through the Win32 calls
// that the system and other programs use on them: the version API, the icon
// lookup, the type-library loader and plain resource access.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "support/TestEnvironment.h"

namespace {

constexpr WORD kJapanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
// The wide forms of RT_ICON and RT_GROUP_ICON (the build is not UNICODE).
const LPCWSTR kIcon = MAKEINTRESOURCEW(3);
const LPCWSTR kGroupIcon = MAKEINTRESOURCEW(14);

std::wstring ExecutablePath()
{
    return (testsupport::ProgramFolder() / L"KestovaLink.exe").wstring();
}

struct ModuleCloser {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using ModuleHandle = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleCloser>;

struct IconDestroyer {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

struct ObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDeleter>;

template <typename T>
struct ComReleaser {
    void operator()(T* object) const { object->Release(); }
};
template <typename T>
using ComPtr = std::unique_ptr<T, ComReleaser<T>>;

struct BstrFree {
    void operator()(BSTR text) const { SysFreeString(text); }
};
using BstrHandle = std::unique_ptr<OLECHAR, BstrFree>;

std::wstring Text(BSTR text)
{
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

class ExecutableResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        module_.reset(LoadLibraryExW(ExecutablePath().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
        ASSERT_TRUE(module_) << "cannot open " << testsupport::ProgramFolder() << ", error " << GetLastError();
    }

    // The bytes of a Japanese resource; empty when there is none.
    std::vector<BYTE> Bytes(LPCWSTR type, LPCWSTR name) const
    {
        HRSRC found = FindResourceExW(module_.get(), type, name, kJapanese);
        if (!found)
            return {};
        HGLOBAL loaded = LoadResource(module_.get(), found);
        const auto* data = static_cast<const BYTE*>(LockResource(loaded));
        return data ? std::vector<BYTE>(data, data + SizeofResource(module_.get(), found)) : std::vector<BYTE>();
    }

    ModuleHandle module_;
};

TEST_F(ExecutableResources, RegistryScriptIsStoredByteForByte)
{
    const std::string expected =
        "HKCR\r\n{\r\n\tNoRemove AppID\r\n\t{\r\n\t\t'%APPID%' = s 'main'\r\n"
        "\t\t'main.EXE'\r\n\t\t{\r\n\t\t\tval AppID = s '%APPID%'\r\n\t\t}\r\n\t}\r\n}\r\n";
    const std::vector<BYTE> script = Bytes(L"REGISTRY", MAKEINTRESOURCEW(101));
    EXPECT_EQ(std::string(script.begin(), script.end()), expected);
}

TEST_F(ExecutableResources, IconLookupFindsAnImageOfEverySize)
{
    std::vector<BYTE> group = Bytes(kGroupIcon, MAKEINTRESOURCEW(201));
    ASSERT_EQ(group.size(), 6u + 14u * 8u);
    // Each size exists as an 8-bit image (ids 1 to 4) and a 32-bit one (5 to 8).
    const struct {
        int size;
        int colourImage;
    } cases[] = {{256, 5}, {48, 6}, {32, 7}, {16, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        const int found = LookupIconIdFromDirectoryEx(group.data(), TRUE, c.size, c.size, LR_DEFAULTCOLOR);
        EXPECT_EQ(found, c.colourImage) << "a true-colour screen gets the 32-bit image";
    }
}

TEST_F(ExecutableResources, EveryIconImageMakesAnIconOfItsSize)
{
    const int sizes[] = {256, 48, 32, 16, 256, 48, 32, 16};
    for (int id = 1; id <= 8; ++id) {
        SCOPED_TRACE(id);
        std::vector<BYTE> image = Bytes(kIcon, MAKEINTRESOURCEW(id));
        ASSERT_FALSE(image.empty());
        const int size = sizes[id - 1];
        IconHandle icon(CreateIconFromResourceEx(image.data(), static_cast<DWORD>(image.size()), TRUE,
                                                 0x00030000, size, size, LR_DEFAULTCOLOR));
        ASSERT_TRUE(icon) << GetLastError();
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon.get(), &info));
        BitmapHandle colour(info.hbmColor), mask(info.hbmMask);
        BITMAP bitmap{};
        ASSERT_TRUE(GetObjectW(colour ? colour.get() : mask.get(), sizeof bitmap, &bitmap));
        EXPECT_EQ(bitmap.bmWidth, size);
        EXPECT_EQ(bitmap.bmHeight, colour ? size : 2 * size);
    }
}

class VersionInfo : public ::testing::Test {
protected:
    void SetUp() override
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(ExecutablePath().c_str(), &ignored);
        ASSERT_NE(size, 0u) << GetLastError();
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(ExecutablePath().c_str(), 0, size, block_.data()));
    }

    std::pair<void*, UINT> Query(const std::wstring& path)
    {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block_.data(), path.c_str(), &value, &length))
            return {nullptr, 0};
        return {value, length};
    }

    std::vector<BYTE> block_;
};

TEST_F(VersionInfo, FixedPart)
{
    auto [value, length] = Query(L"\\");
    ASSERT_TRUE(value);
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);
    EXPECT_EQ(fixed.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.dwStrucVersion, 0x00010000u);
    EXPECT_EQ(fixed.dwFileVersionMS, MAKELONG(0, 24));
    EXPECT_EQ(fixed.dwFileVersionLS, MAKELONG(100, 1));
    EXPECT_EQ(fixed.dwProductVersionMS, MAKELONG(0, 24));
    EXPECT_EQ(fixed.dwProductVersionLS, MAKELONG(100, 1));
    EXPECT_EQ(fixed.dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed.dwFileFlags, 0u);
    EXPECT_EQ(fixed.dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed.dwFileType, static_cast<DWORD>(VFT_DLL));
    EXPECT_EQ(fixed.dwFileSubtype, 0u);
    EXPECT_EQ(fixed.dwFileDateMS, 0u);
    EXPECT_EQ(fixed.dwFileDateLS, 0u);
}

TEST_F(VersionInfo, TranslationIsJapaneseWithCodePage1252)
{
    auto [value, length] = Query(L"\\VarFileInfo\\Translation");
    ASSERT_EQ(length, 4u);
    WORD pair[2];
    std::memcpy(pair, value, sizeof pair);
    EXPECT_EQ(pair[0], 0x0411);
    EXPECT_EQ(pair[1], 0x04E4);
}

const std::pair<std::wstring, std::wstring> kStrings[] = {
    {L"CompanyName", L"Kestova Software"},
    {L"FileDescription", L"ケストバ ミルダ 連動コンポーネント"},
    {L"FileVersion", L"24.0.1.100"},
    {L"InternalName", L"KestovaLink"},
    {L"LegalCopyright", L"Copyright (C) 2025 Kestova Software"},
    {L"OriginalFilename", L"KestovaLink.EXE"},
    {L"ProductName", L"ケストバ"},
    {L"ProductVersion", L"24.0.1.100"},
    {L"OLESelfRegister", L""},
};

TEST_F(VersionInfo, StringsAnswerTheirQueries)
{
    for (const auto& [key, expected] : kStrings) {
        SCOPED_TRACE(std::string(key.begin(), key.end()));
        auto [value, length] = Query(L"\\StringFileInfo\\041104E4\\" + key);
        ASSERT_TRUE(value);
        std::wstring text(static_cast<const wchar_t*>(value), length);
        if (!text.empty() && text.back() == L'\0')
            text.pop_back();
        EXPECT_EQ(text, expected);
    }
    EXPECT_FALSE(Query(L"\\StringFileInfo\\041104E4\\Comments").first);
}

// A node of a version block: 16-bit length, value length and type, the key,
// the value and the children, each part aligned to 32 bits.
struct VersionNode {
    const BYTE* at;

    WORD Length() const
    {
        WORD length;
        std::memcpy(&length, at, sizeof length);
        return length;
    }
    std::wstring Key() const { return reinterpret_cast<const wchar_t*>(at + 6); }
    std::size_t ValueOffset() const { return Align4(6 + 2 * (Key().size() + 1)); }
    // The offset of the first child, given the byte size of the node's value.
    std::size_t ChildrenOffset(std::size_t valueBytes) const { return Align4(ValueOffset() + valueBytes); }

    static std::size_t Align4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }
};

TEST_F(VersionInfo, StringTableKeepsItsOrder)
{
    const VersionNode root{block_.data()};
    const VersionNode stringFileInfo{root.at + root.ChildrenOffset(sizeof(VS_FIXEDFILEINFO))};
    ASSERT_EQ(stringFileInfo.Key(), L"StringFileInfo");
    const VersionNode table{stringFileInfo.at + stringFileInfo.ChildrenOffset(0)};
    ASSERT_EQ(table.Key(), L"041104E4");
    std::vector<std::wstring> keys;
    for (std::size_t offset = table.ChildrenOffset(0); offset < table.Length();) {
        const VersionNode entry{table.at + offset};
        keys.push_back(entry.Key());
        offset = VersionNode::Align4(offset + entry.Length());
    }
    std::vector<std::wstring> expected;
    for (const auto& entry : kStrings)
        expected.push_back(entry.first);
    EXPECT_EQ(keys, expected);
}

class TypeLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        ITypeLib* library = nullptr;
        const HRESULT result = LoadTypeLibEx(ExecutablePath().c_str(), REGKIND_NONE, &library);
        ASSERT_EQ(result, S_OK) << std::hex << result;
        library_.reset(library);
    }

    ComPtr<ITypeLib> library_;
};

TEST_F(TypeLibrary, Attributes)
{
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(library_->GetLibAttr(&attributes), S_OK);
    const GUID expected = {0xA6BC20B0, 0x7A1B, 0x4A75, {0xA4, 0xFC, 0xBB, 0xAA, 0xF7, 0x75, 0x72, 0xE5}};
    EXPECT_TRUE(IsEqualGUID(attributes->guid, expected));
    EXPECT_EQ(attributes->lcid, 0x0409u);
    EXPECT_EQ(attributes->syskind, SYS_WIN32);
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    // The loader adds the mark of a library read from a file; none is stored.
    EXPECT_EQ(attributes->wLibFlags & ~LIBFLAG_FHASDISKIMAGE, 0);
    library_->ReleaseTLibAttr(attributes);
    EXPECT_EQ(library_->GetTypeInfoCount(), 0u);
}

TEST_F(TypeLibrary, NameAndHelpString)
{
    BSTR name = nullptr, help = nullptr, file = nullptr;
    DWORD context = 1;
    ASSERT_EQ(library_->GetDocumentation(MEMBERID_NIL, &name, &help, &context, &file), S_OK);
    BstrHandle nameHolder(name), helpHolder(help), fileHolder(file);
    EXPECT_EQ(Text(name), L"mainLib");
    EXPECT_EQ(Text(help), L"main 1.0 タイプ ライブラリ");
    EXPECT_EQ(context, 0u);
    EXPECT_EQ(Text(file), L"");
}

TEST_F(TypeLibrary, ThreeCustomValues)
{
    ITypeLib2* raw = nullptr;
    ASSERT_EQ(library_->QueryInterface(IID_ITypeLib2, reinterpret_cast<void**>(&raw)), S_OK);
    ComPtr<ITypeLib2> library(raw);
    CUSTDATA all{};
    ASSERT_EQ(library->GetAllCustData(&all), S_OK);
    struct Value {
        GUID id;
        VARTYPE type;
    };
    // The creation text, the time stamp and the tool version.
    const Value expected[] = {
        {{0xDE77BA65, 0x517C, 0x11D1, {0xA2, 0xDA, 0x00, 0x00, 0xF8, 0x77, 0x3C, 0xE9}}, VT_BSTR},
        {{0xDE77BA63, 0x517C, 0x11D1, {0xA2, 0xDA, 0x00, 0x00, 0xF8, 0x77, 0x3C, 0xE9}}, VT_UI4},
        {{0xDE77BA64, 0x517C, 0x11D1, {0xA2, 0xDA, 0x00, 0x00, 0xF8, 0x77, 0x3C, 0xE9}}, VT_UI4},
    };
    EXPECT_EQ(all.cCustData, 3u);
    for (const Value& value : expected) {
        bool found = false;
        for (DWORD i = 0; i < all.cCustData; ++i) {
            if (!IsEqualGUID(all.prgCustData[i].guid, value.id))
                continue;
            found = true;
            const VARIANT& data = all.prgCustData[i].varValue;
            EXPECT_EQ(V_VT(&data), value.type);
            if (V_VT(&data) == VT_BSTR) {
                EXPECT_GT(SysStringLen(V_BSTR(&data)), 0u);
            } else if (V_VT(&data) == VT_UI4) {
                EXPECT_NE(V_UI4(&data), 0u);
            }
        }
        EXPECT_TRUE(found) << std::hex << value.id.Data1;
    }
    ClearCustData(&all);
}

} // namespace
