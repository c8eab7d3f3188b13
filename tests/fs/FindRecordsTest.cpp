// Counts the finder's record allocations: the program's allocation is
// replaced for this test program, counting blocks of a record's size.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "fs/FileFind.h"
#include "fs/TestFolder.h"

namespace {

std::atomic<bool> counting{false};
std::atomic<int> records{0};

} // namespace

void* operator new(std::size_t size)
{
    if (counting && size == sizeof(platform::FindData))
        ++records;
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

namespace {

TEST(FindRecords, ASearchAllocatesAtMostTwoRecords)
{
    fstest::TestFolder folder;
    for (const char* name : {"a", "b", "c", "d", "e", "f"})
        folder.MakeFile(name);
    IFileFind finder;

    records = 0;
    counting = true;
    const bool opened = finder.FindFirst((folder / "*").c_str());
    const int afterFirst = records;
    int entries = 0;
    while (opened && finder.FindNext())
        ++entries;
    counting = false;

    ASSERT_TRUE(opened);
    EXPECT_EQ(entries, 7); // ".", "..", six files, the last one after the final call
    EXPECT_EQ(afterFirst, 1);
    EXPECT_EQ(records, 2);
}

} // namespace
