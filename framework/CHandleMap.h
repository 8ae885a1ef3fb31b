#pragma once
// Per-thread association of native handles with the framework objects that
// wrap them. Objects that own their handle (after Attach) are permanent entries;
// FromHandle on an unknown handle makes a temporary wrapper that the map owns
// and that is dropped, without freeing the handle, by DeleteTemp (at idle time).

#include "Afx.h"
#include "CThreadLocal.h"

#include <memory>
#include <unordered_map>

template <class TObject, class THandle>
class CHandleMap
{
public:
    static CHandleMap& ForThread()
    {
        static CThreadLocal<CHandleMap> maps;
        return maps.Get();
    }

    ~CHandleMap() { DeleteTemp(); }

    void SetPermanent(THandle h, TObject* pObject) { m_permanent[h] = pObject; }

    // Forgets h unless another object took it over meanwhile.
    void RemoveHandle(THandle h, const TObject* pObject)
    {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
    }

    TObject* LookupPermanent(THandle h) const
    {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }

    // The wrapper of h; makeTemporary(h) builds one (owning nothing) when none exists.
    template <class TMake>
    TObject* FromHandle(THandle h, TMake makeTemporary)
    {
        if (h == nullptr)
            return nullptr;
        if (TObject* pObject = LookupPermanent(h))
            return pObject;
        auto it = m_temporary.find(h);
        if (it != m_temporary.end())
            return it->second.get();
        std::unique_ptr<TObject> temporary = makeTemporary(h);
        TObject* pObject = temporary.get();
        m_temporary.emplace(h, std::move(temporary));
        return pObject;
    }

    // Drops every temporary wrapper; the handles themselves stay alive.
    void DeleteTemp()
    {
        auto temporary = std::move(m_temporary);
        m_temporary.clear();
        for (auto& entry : temporary)
            TObject::ReleaseTemporary(*entry.second);
    }

private:
    std::unordered_map<THandle, TObject*> m_permanent;
    std::unordered_map<THandle, std::unique_ptr<TObject>> m_temporary;
};
