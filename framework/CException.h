#pragma once
// Base of the framework's exceptions. They are thrown as pointers to heap
// objects (throw new CFileException(...)) and the handler calls Delete().

#include "CObject.h"
#include "CString.h"

class CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    // bAutoDelete: Delete() frees the object. It only takes effect for
    // objects made with new; Delete() leaves exceptions on the stack or in
    // static storage alone.
    explicit CException(BOOL bAutoDelete = TRUE);

    void Delete();

    static void* operator new(size_t size);
    static void operator delete(void* p) noexcept;

    // Copies the message (truncated to nMaxError characters with its zero);
    // FALSE when there is no message.
    virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;
    // Shows the message in a message box; nMessageID is the string resource
    // shown when the exception has no message of its own.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0) const;

    BOOL m_bAutoDelete;

protected:
    // The text GetErrorMessage reports; empty when there is none.
    virtual CString GetMessageText() const;
};

// Exceptions without details share this form.
class CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    explicit CSimpleException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
};
