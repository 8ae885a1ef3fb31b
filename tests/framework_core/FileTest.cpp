#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "Framework.h"

namespace {

CString OutputPath(LPCWSTR name)
{
    return CString(ORBALIN_TEST_OUTPUT_DIR) + L"\\framework_core_" + name;
}

} // namespace

TEST(CFile, OpenOfAMissingFileFillsTheException)
{
    CString path = OutputPath(L"missing.bin");
    DeleteFileW(path);
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(path, CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(error.m_lOsError, static_cast<LONG>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(error.m_strFileName, path);
    wchar_t message[256];
    EXPECT_TRUE(error.GetErrorMessage(message, 256));
    EXPECT_NE(wcsstr(message, L"was not found"), nullptr);
    EXPECT_FALSE(file.Open(path, CFile::modeRead));  // without an exception object

    CFileException badPath;
    EXPECT_FALSE(file.Open(OutputPath(L"no-such-folder\\x.bin"), CFile::modeRead, &badPath));
    EXPECT_EQ(badPath.m_cause, CFileException::badPath);

    try {
        CFile throwing(path, CFile::modeRead);
        FAIL();
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        EXPECT_EQ(e->m_strFileName, path);
        e->Delete();
    }
}

TEST(CFile, ReadWriteSeekAndLength)
{
    CString path = OutputPath(L"data.bin");
    {
        CFile file(path, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive);
        EXPECT_EQ(file.GetFilePath(), path);
        EXPECT_EQ(file.GetFileName(), L"framework_core_data.bin");
        EXPECT_EQ(file.GetFileTitle(), L"framework_core_data");
        file.Write("0123456789", 10);
        EXPECT_EQ(file.GetLength(), 10u);
        EXPECT_EQ(file.GetPosition(), 10u);
        file.SeekToBegin();
        char buffer[16] = {};
        EXPECT_EQ(file.Read(buffer, 4), 4u);
        EXPECT_STREQ(buffer, "0123");
        EXPECT_EQ(file.Seek(-2, CFile::end), 8u);
        EXPECT_EQ(file.Read(buffer, 16), 2u);
        EXPECT_EQ(file.Read(buffer, 16), 0u);  // at the end: nothing, no error
        file.SetLength(5);
        EXPECT_EQ(file.SeekToEnd(), 5u);
        file.Flush();
        file.Close();
        EXPECT_EQ(file.m_hFile, CFile::hFileNull);
    }
    // modeNoTruncate keeps the content.
    {
        CFile file(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
        EXPECT_EQ(file.GetLength(), 5u);
    }
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(path, status));
    EXPECT_EQ(status.m_size, 5u);
    EXPECT_FALSE(CFile::GetStatus(OutputPath(L"missing.bin"), status));

    CString renamed = OutputPath(L"renamed.bin");
    DeleteFileW(renamed);
    CFile::Rename(path, renamed);
    EXPECT_FALSE(CFile::GetStatus(path, status));
    CFile::Remove(renamed);
    try {
        CFile::Remove(renamed);
        FAIL();
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
        e->Delete();
    }
}

TEST(CFile, SharingIsEnforced)
{
    CString path = OutputPath(L"shared.bin");
    CFile exclusive(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
    CFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(path, CFile::modeRead | CFile::shareDenyNone, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    exclusive.Close();
    EXPECT_TRUE(second.Open(path, CFile::modeRead | CFile::shareDenyNone));
}

TEST(CFile, OperationsOnAClosedFileThrow)
{
    CFile file;
    char c;
    try {
        file.Read(&c, 1);
        FAIL();
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::invalidFile);
        e->Delete();
    }
}

TEST(CStdioFile, LinesInTextMode)
{
    CString path = OutputPath(L"lines.txt");
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
        file.WriteString(L"first line\n");
        file.WriteString(L"caf\u00e9\n\nlast without end");
    }
    {
        CFile raw(path, CFile::modeRead);
        char bytes[64] = {};
        UINT n = raw.Read(bytes, sizeof bytes);
        EXPECT_EQ(std::string(bytes, n), "first line\r\ncaf\xe9\r\n\r\nlast without end");
    }
    CStdioFile file(path, CFile::modeRead | CFile::typeText);
    CString line;
    std::vector<CString> lines;
    while (file.ReadString(line))
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<CString>{L"first line", L"caf\u00e9", L"", L"last without end"}));
    EXPECT_FALSE(file.ReadString(line));

    // Bounded reads keep the rest of the line for the next call.
    file.SeekToBegin();
    wchar_t buffer[6];
    ASSERT_NE(file.ReadString(buffer, 6), nullptr);
    EXPECT_STREQ(buffer, L"first");
    ASSERT_NE(file.ReadString(buffer, 6), nullptr);
    EXPECT_STREQ(buffer, L" line");
    ASSERT_NE(file.ReadString(buffer, 6), nullptr);
    EXPECT_STREQ(buffer, L"\n");
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, L"caf\u00e9");
    EXPECT_EQ(file.GetPosition(), 18u);  // "first line\r\n" and "caf\xe9\r\n"
}

TEST(CStdioFile, RecognisesByteOrderMarks)
{
    struct Case
    {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"utf8.txt", "\xEF\xBB\xBF" "a\xC3\xA9\r\nz"},
        {"utf16.txt", std::string("\xFF\xFE" "a\0\xE9\0\r\0\n\0z\0", 12)},
    };
    for (const Case& c : cases) {
        CString path = OutputPath(CString(c.name));
        {
            CFile raw(path, CFile::modeCreate | CFile::modeWrite);
            raw.Write(c.bytes.data(), static_cast<UINT>(c.bytes.size()));
        }
        CStdioFile file(path, CFile::modeRead);
        CString line;
        ASSERT_TRUE(file.ReadString(line)) << c.name;
        EXPECT_EQ(line, L"a\u00e9") << c.name;
        ASSERT_TRUE(file.ReadString(line)) << c.name;
        EXPECT_EQ(line, L"z") << c.name;
        EXPECT_FALSE(file.ReadString(line)) << c.name;
    }
}

TEST(CMemFile, GrowsAttachesAndDetaches)
{
    CMemFile file(16);
    std::string data(1000, 'q');
    file.Write(data.data(), 1000);
    EXPECT_EQ(file.GetLength(), 1000u);
    file.Seek(1100, CFile::begin);  // writing past the end leaves zeros between
    file.Write("end", 3);
    EXPECT_EQ(file.GetLength(), 1103u);
    file.Seek(1050, CFile::begin);
    char c = 'x';
    EXPECT_EQ(file.Read(&c, 1), 1u);
    EXPECT_EQ(c, '\0');
    try {
        file.Seek(-1, CFile::begin);
        FAIL();
    } catch (CFileException* e) {
        EXPECT_EQ(e->m_cause, CFileException::badSeek);
        e->Delete();
    }

    ULONGLONG length = file.GetLength();
    BYTE* bytes = file.Detach();
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(memcmp(bytes + 1100, "end", 3), 0);
    EXPECT_EQ(file.GetLength(), 0u);

    // A fixed buffer reads its bytes and refuses to grow.
    CMemFile fixed(bytes, static_cast<UINT>(length));
    EXPECT_EQ(fixed.GetLength(), length);
    char first[3];
    EXPECT_EQ(fixed.Read(first, 3), 3u);
    EXPECT_EQ(memcmp(first, "qqq", 3), 0);
    fixed.SeekToEnd();
    try {
        fixed.Write("x", 1);
        FAIL();
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        e->Delete();
    }
    fixed.Close();
    free(bytes);
}
