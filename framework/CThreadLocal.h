#pragma once
// A per-thread object, made on first use on each thread and destroyed when
// that thread ends. With this toolchain a `thread_local` object's destructor
// runs after the thread's emulated TLS block has been freed, so per-thread
// objects that have destructors live in fiber-local storage instead, whose
// callback runs while the thread is still whole.

#include <windows.h>

template <class T>
class CThreadLocal
{
public:
    CThreadLocal() : m_index(::FlsAlloc(&Destroy)) {}
    CThreadLocal(const CThreadLocal&) = delete;
    CThreadLocal& operator=(const CThreadLocal&) = delete;
    // No destructor: instances are process-wide statics and the index must stay
    // valid for threads that end during process shutdown.

    T& Get()
    {
        void* p = ::FlsGetValue(m_index);
        if (p == nullptr) {
            p = new T();
            ::FlsSetValue(m_index, p);
        }
        return *static_cast<T*>(p);
    }

private:
    static void WINAPI Destroy(void* p) { delete static_cast<T*>(p); }

    DWORD m_index;
};
