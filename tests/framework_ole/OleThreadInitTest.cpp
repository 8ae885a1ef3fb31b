#include <gtest/gtest.h>

#include "AfxOle.h"
#include "COleThreadScope.h"
#include "CWorkerThread.h"

namespace {

// True when COM is initialised on the calling thread (as a single-threaded
// apartment): a further initialisation answers S_FALSE. The probe is undone.
bool OleIsInitialised()
{
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(hr))
        CoUninitialize();
    return hr == S_FALSE;
}

// Runs the check on a fresh worker thread, as the save thread would.
template <typename F>
void OnWorker(F check)
{
    CWorkerThread worker;
    ASSERT_TRUE(worker.Start([&] {
        check();
        return 0u;
    }));
    ASSERT_TRUE(worker.Join(10000));
}

TEST(OleThreadInit, ScopeInitialisesAndUninitialisesInPairs)
{
    OnWorker([] {
        EXPECT_FALSE(OleIsInitialised());
        {
            COleThreadScope outer;
            EXPECT_EQ(outer.GetResult(), S_OK);
            EXPECT_TRUE(OleIsInitialised());
            {
                COleThreadScope inner;
                EXPECT_EQ(inner.GetResult(), S_FALSE);
            }
            EXPECT_TRUE(OleIsInitialised());
        }
        EXPECT_FALSE(OleIsInitialised());
    });
}

TEST(OleThreadInit, AfxOleInitOncePerThreadUntilAfxOleTerm)
{
    OnWorker([] {
        EXPECT_TRUE(AfxOleInit());
        EXPECT_TRUE(AfxOleInit()); // no second initialisation to undo
        EXPECT_TRUE(OleIsInitialised());
        AfxOleTerm();
        EXPECT_FALSE(OleIsInitialised());
        AfxOleTerm(); // nothing left to undo
        EXPECT_FALSE(OleIsInitialised());
    });
}

// Observes the uninitialisation that a thread's end performs.
class UninitialiseSpy : public IInitializeSpy {
public:
    LONG uninitialised = 0;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IInitializeSpy) {
            *ppv = this;
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE PreInitialize(DWORD, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostInitialize(HRESULT hr, DWORD, DWORD) override { return hr; }
    HRESULT STDMETHODCALLTYPE PreUninitialize(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE PostUninitialize(DWORD refs) override
    {
        if (refs == 0)
            ++uninitialised;
        return S_OK;
    }
};

TEST(OleThreadInit, AfxOleInitIsUndoneWhenTheWorkerFunctionReturns)
{
    UninitialiseSpy spy;
    OnWorker([&] {
        ULARGE_INTEGER cookie;
        ASSERT_EQ(CoRegisterInitializeSpy(&spy, &cookie), S_OK);
        EXPECT_TRUE(AfxOleInit());
        EXPECT_EQ(spy.uninitialised, 0);
    });
    EXPECT_EQ(spy.uninitialised, 1);
}

} // namespace
