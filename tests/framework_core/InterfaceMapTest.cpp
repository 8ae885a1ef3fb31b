// COM identity of a command target through its interface map.
#include <gtest/gtest.h>

#include "Framework.h"
#include "CCmdTarget.h"

#include <ocidl.h>

namespace {

// A minimal interface part forwarding its IUnknown to the target.
template <class TInterface>
class Part : public TInterface {
public:
    explicit Part(CCmdTarget* pTarget) : m_pTarget(pTarget) {}
    STDMETHOD(QueryInterface)(REFIID riid, void** ppv) override { return m_pTarget->ExternalQueryInterface(&riid, ppv); }
    STDMETHOD_(ULONG, AddRef)() override { return m_pTarget->ExternalAddRef(); }
    STDMETHOD_(ULONG, Release)() override { return m_pTarget->ExternalRelease(); }

private:
    CCmdTarget* m_pTarget;
};

class PersistPart : public Part<IPersist> {
public:
    using Part::Part;
    STDMETHOD(GetClassID)(CLSID* pClassID) override
    {
        *pClassID = CLSID_NULL;
        return S_OK;
    }
};

class CBaseTarget : public CCmdTarget {
public:
    PersistPart m_xPersist{this};
    DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(CBaseTarget, CCmdTarget)
    INTERFACE_PART(CBaseTarget, IID_IPersist, Persist)
END_INTERFACE_MAP()

class CDerivedTarget : public CBaseTarget {
public:
    class ServicePart : public Part<IServiceProvider> {
    public:
        using Part::Part;
        STDMETHOD(QueryService)(REFGUID, REFIID, void** ppv) override
        {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
    } m_xService{this};
    DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(CDerivedTarget, CBaseTarget)
    INTERFACE_PART(CDerivedTarget, IID_IServiceProvider, Service)
END_INTERFACE_MAP()

} // namespace

TEST(InterfaceMap, EveryPartAnswersTheSameIdentityAndTheTargetsCount)
{
    auto* pTarget = new CDerivedTarget;
    IServiceProvider* pService = nullptr;
    ASSERT_EQ(pTarget->ExternalQueryInterface(&IID_IServiceProvider, reinterpret_cast<void**>(&pService)), S_OK);
    EXPECT_EQ(pService, static_cast<IServiceProvider*>(&pTarget->m_xService));
    IPersist* pPersist = nullptr;
    ASSERT_EQ(pService->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&pPersist)), S_OK);
    EXPECT_EQ(pPersist, static_cast<IPersist*>(&pTarget->m_xPersist));

    IUnknown* pFromService = nullptr;
    IUnknown* pFromPersist = nullptr;
    ASSERT_EQ(pService->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pFromService)), S_OK);
    ASSERT_EQ(pPersist->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pFromPersist)), S_OK);
    EXPECT_EQ(pFromService, pFromPersist);

    void* pNone = &pNone;
    EXPECT_EQ(pPersist->QueryInterface(IID_IStream, &pNone), E_NOINTERFACE);
    EXPECT_EQ(pNone, nullptr);
    EXPECT_EQ(pTarget->ExternalQueryInterface(&IID_IStream, nullptr), E_POINTER);

    // 1 of its own and 4 from the queries; the last release deletes it.
    EXPECT_EQ(pFromPersist->Release(), 4u);
    pFromService->Release();
    pPersist->Release();
    pService->Release();
    EXPECT_EQ(pTarget->InternalRelease(), 0u);
}

TEST(InterfaceMap, PlainTargetAnswersNoInterface)
{
    CCmdTarget target;
    void* p = nullptr;
    EXPECT_EQ(target.ExternalQueryInterface(&IID_IUnknown, &p), E_NOINTERFACE);
    EXPECT_EQ(target.GetInterface(&IID_IUnknown), nullptr);
}
