#include <gtest/gtest.h>

#include "Framework.h"

TEST(CException, MessagesAndDelete)
{
    struct Case
    {
        CException* exception;
        const wchar_t* fragment;
    } cases[] = {
        {new CFileException(CFileException::accessDenied, ERROR_ACCESS_DENIED, L"a.txt"), L"\"a.txt\""},
        {new CArchiveException(CArchiveException::endOfFile), L"ended unexpectedly"},
        {new CMemoryException, L"not enough memory"},
        {new CNotSupportedException, L"not supported"},
        {new CInvalidArgException, L"invalid argument"},
        {new CResourceException, L"resource"},
        {new COleDispatchException(L"Calendar is locked", 0, 42), L"Calendar is locked"},
        {new COleException(E_OUTOFMEMORY), L""},
        {new CDBException(SQL_ERROR), L"database"},
    };
    for (const Case& c : cases) {
        wchar_t message[512] = L"unchanged";
        UINT help = 99;
        EXPECT_TRUE(c.exception->GetErrorMessage(message, 512, &help))
            << c.exception->GetRuntimeClass()->m_lpszClassName;
        EXPECT_EQ(help, 0u);
        EXPECT_NE(wcsstr(message, c.fragment), nullptr) << CStringA(message).GetString();
        c.exception->Delete();
    }

    // Truncated to the buffer, always terminated.
    CFileException e(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, L"long-name.txt");
    wchar_t small[5];
    EXPECT_TRUE(e.GetErrorMessage(small, 5));
    EXPECT_EQ(wcslen(small), 4u);
    CException plain(FALSE);
    wchar_t none[8] = L"x";
    EXPECT_FALSE(plain.GetErrorMessage(none, 8));
    EXPECT_STREQ(none, L"");
}

TEST(CException, ThrowHelpersAndCodes)
{
    struct Case
    {
        void (*thrower)();
        CRuntimeClass* cls;
        SCODE sc;
    } cases[] = {
        {[] { AfxThrowMemoryException(); }, RUNTIME_CLASS(CMemoryException), E_OUTOFMEMORY},
        {[] { AfxThrowNotSupportedException(); }, RUNTIME_CLASS(CNotSupportedException), E_NOTIMPL},
        {[] { AfxThrowInvalidArgException(); }, RUNTIME_CLASS(CInvalidArgException), E_UNEXPECTED},
        {[] { AfxThrowResourceException(); }, RUNTIME_CLASS(CResourceException), E_UNEXPECTED},
        {[] { AfxThrowFileException(CFileException::diskFull); }, RUNTIME_CLASS(CFileException), E_UNEXPECTED},
        {[] { AfxThrowArchiveException(CArchiveException::badClass); }, RUNTIME_CLASS(CArchiveException), E_UNEXPECTED},
        {[] { AfxThrowOleException(E_ACCESSDENIED); }, RUNTIME_CLASS(COleException), E_ACCESSDENIED},
        {[] { AfxThrowOleDispatchException(7, L"failed"); }, RUNTIME_CLASS(COleDispatchException), DISP_E_EXCEPTION},
        {[] { AfxThrowDBException(SQL_ERROR, nullptr, nullptr); }, RUNTIME_CLASS(CDBException), E_UNEXPECTED},
    };
    for (const Case& c : cases) {
        try {
            c.thrower();
            ADD_FAILURE() << c.cls->m_lpszClassName;
        } catch (CException* e) {
            EXPECT_EQ(e->GetRuntimeClass(), c.cls);
            EXPECT_EQ(COleException::Process(e), c.sc) << c.cls->m_lpszClassName;
            e->Delete();
        }
    }
    // Delete leaves exceptions that were not made with new alone.
    CFileException onStack(CFileException::diskFull);
    EXPECT_FALSE(onStack.m_bAutoDelete);
    onStack.Delete();
    EXPECT_EQ(onStack.m_cause, CFileException::diskFull);
    auto* onHeap = new CFileException;
    EXPECT_TRUE(onHeap->m_bAutoDelete);
    onHeap->Delete();
    // The memory exception is static: deleting it twice is harmless.
    for (int i = 0; i < 2; ++i) {
        try {
            AfxThrowMemoryException();
        } catch (CException* e) {
            e->Delete();
        }
    }
    EXPECT_EQ(CFileException::OsErrorToException(ERROR_SHARING_VIOLATION), CFileException::sharingViolation);
    EXPECT_EQ(CFileException::OsErrorToException(12345), CFileException::genericException);
}
